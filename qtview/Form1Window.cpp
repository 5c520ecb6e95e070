#include "qtview/Form1Window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

#include "Unit1/DialogRules.h"
#include "Unit1/EditCombo.h"
#include "qtview/Cp932.h"

namespace qtview {

using Unit1::ControlKind;
using Unit1::ControlLayout;
using Unit1::FormEvent;

namespace {

QColor FromBgr(int c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

void SetBackground(QWidget* w, int bgr) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, FromBgr(bgr));
    p.setColor(QPalette::Base, FromBgr(bgr));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, FromBgr(Unit1::kDisabledText));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// Tabs of one size, so that a tab's place is the declared one.
class FixedTabBar : public QTabBar {
  protected:
    QSize tabSizeHint(int) const override { return {Unit1::kTabWidth, Unit1::kTabHeight}; }
};

// Little padding beside a tab's caption, so that the longest fits its tab.
class TabStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 4;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

class PageTabs : public QTabWidget {
  public:
    explicit PageTabs(QWidget* parent) : QTabWidget(parent) {
        auto* bar = new FixedTabBar;
        auto* style = new TabStyle;
        style->setParent(bar);
        bar->setStyle(style);
        setTabBar(bar);
        // A click on a tab, the current one too, takes the focus to the tabs.
        bar->setFocusPolicy(Qt::StrongFocus);
    }
};

// A list box as a dialog has it: receiving the focus chooses no row; with no
// row chosen, the first move key chooses the row the keys stand on; Left and
// Right move as Up and Down; a key that moves to a row chooses it.
class DialogList : public QListWidget {
  public:
    using QListWidget::QListWidget;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        int key = event->key();
        static constexpr int kMoves[] = {Qt::Key_Up,     Qt::Key_Down,    Qt::Key_Left,
                                         Qt::Key_Right,  Qt::Key_Home,    Qt::Key_End,
                                         Qt::Key_PageUp, Qt::Key_PageDown};
        const bool move = std::find(std::begin(kMoves), std::end(kMoves), key) != std::end(kMoves);
        // With no row chosen, the first move of any kind chooses the row the
        // keys stand on (the first after a refill) and goes nowhere, as a
        // Windows list box does.
        if (move && count() > 0 && selectedItems().isEmpty()) {
            // Making it current selects it; the row it fires may refill the list.
            setCurrentItem(currentItem() != nullptr ? currentItem() : item(0));
            return;
        }
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            key = key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down;
            QKeyEvent vertical(event->type(), key, event->modifiers());
            QListWidget::keyPressEvent(&vertical);
        } else {
            QListWidget::keyPressEvent(event);
        }
        QListWidgetItem* item = currentItem();
        if (item != nullptr && !item->isSelected() && move) item->setSelected(true);
    }
};

// A one-line edit as a dialog has it: Up and Left move the caret back a
// character, Down and Right forward, from where it is even when text is
// selected (Qt would go to the selection's start). With a limit, what the
// user types stops at `typed` characters; a longer text the window was given
// stays whole, may be shortened, never grows.
class DialogEdit : public QLineEdit {
  public:
    explicit DialogEdit(QWidget* parent, int typed = 0) : QLineEdit(parent), typed_(typed) {
        if (typed_ <= 0) return;
        setMaxLength(typed_);
        connect(this, &QLineEdit::textEdited, this, [this] {
            // Setting the limit sets the text again, which takes the caret
            // to the end: only when it changes, and the caret kept.
            const int limit = std::max<int>(typed_, static_cast<int>(text().size()));
            if (limit == maxLength()) return;
            const int caret = cursorPosition();
            setMaxLength(limit);
            setCursorPosition(caret);
        });
    }
    void SetGivenText(const QString& t) {
        if (typed_ > 0) setMaxLength(std::max(typed_, static_cast<int>(t.size())));
        setText(t);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
        if ((!back && key != Qt::Key_Down && key != Qt::Key_Right) ||
            (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
            return QLineEdit::keyPressEvent(event);
        const bool mark = event->modifiers() & Qt::ShiftModifier;
        if (back)
            cursorBackward(mark);
        else
            cursorForward(mark);
    }

  private:
    int typed_;
};

// A combo box as a dialog has it. A drop-down list: Left and Right choose the
// previous and next entry, as Up and Down do. An editable one: its edit is a
// dialog's edit, and Up, Down, Page Up and Page Down choose from the closed
// list as Windows' combo box does, from the entry that what was typed begins
// (Unit1::EditComboList).
class DialogComboBox : public QComboBox {
  public:
    DialogComboBox(QWidget* parent, bool editable) : QComboBox(parent) {
        if (!editable) return;
        setEditable(true);
        setLineEdit(new DialogEdit(this));
        setInsertPolicy(QComboBox::NoInsert);  // Enter is OK, not a new item
        setCompleter(nullptr);                 // what is typed stays as typed
        connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
            std::vector<std::string> entries;
            for (int i = 0; i < count(); ++i) entries.push_back(ToCp932(itemText(i)));
            list_.Edited(entries, ToCp932(text));
        });
    }
    // The entries were set anew.
    void Refilled() { list_.Refilled(); }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
        if (isEditable()) {
            // A page is every entry: the dropped list shows them all.
            const std::map<int, int> moves = {{Qt::Key_Up, -1},
                                              {Qt::Key_Down, 1},
                                              {Qt::Key_PageUp, -count()},
                                              {Qt::Key_PageDown, count()}};
            const auto move = moves.find(key);
            if (!plain || move == moves.end()) return QComboBox::keyPressEvent(event);
            const int row = list_.Move(count(), move->second);
            if (row >= 0) {
                lineEdit()->setText(itemText(row));
                lineEdit()->selectAll();
            }
            return;
        }
        if (key != Qt::Key_Left && key != Qt::Key_Right) return QComboBox::keyPressEvent(event);
        QKeyEvent vertical(event->type(), key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                           event->modifiers());
        QComboBox::keyPressEvent(&vertical);
    }

    // The wheel leaves the text as it is, as Windows' box does with its list closed.
    void wheelEvent(QWheelEvent* event) override {
        if (!isEditable()) return QComboBox::wheelEvent(event);
        event->accept();
    }

  private:
    Unit1::EditComboList list_;
};

// The row chosen in a list, or -1.
int SelectedRow(const QListWidget* list) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// A Qt key as the core's rules take it.
Unit1::KeyPress KeyOf(const QKeyEvent& e) {
    using Unit1::Key;
    static const std::map<int, Key> named = {
        {Qt::Key_Tab, Key::Tab},     {Qt::Key_Backtab, Key::Tab},   {Qt::Key_Return, Key::Enter},
        {Qt::Key_Enter, Key::Enter}, {Qt::Key_Escape, Key::Escape}, {Qt::Key_Left, Key::Left},
        {Qt::Key_Up, Key::Up},       {Qt::Key_Right, Key::Right},   {Qt::Key_Down, Key::Down}};
    Unit1::KeyPress k;
    const int key = e.key();
    if (const auto found = named.find(key); found != named.end()) {
        k.Code = found->second;
    } else if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        k.Code = Key::Character;
        k.Character = static_cast<char>(key);  // Qt's codes of these are their ASCII
    }
    k.Shift = (e.modifiers() & Qt::ShiftModifier) || key == Qt::Key_Backtab;
    k.Control = (e.modifiers() & Qt::ControlModifier) != 0;
    k.Alt = (e.modifiers() & Qt::AltModifier) != 0;
    return k;
}

}  // namespace

QFont DialogFont() {
    const QStringList families = QFontDatabase::families();
    QFont font;
    font.setFamily(FromCp932(Unit1::DialogFontFamily(
        [&](const char* family) { return families.contains(FromCp932(family)); })));
    font.setPixelSize(Unit1::kFontPixels);
    return font;
}

Form1Window::Form1Window(Unit1::TForm1& form, Unit1::FormInvoke invoke)
    : form_(form), invoke_(invoke) {
    setWindowTitle(FromCp932(Unit1::kFormCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(Unit1::kClientWidth, Unit1::kClientHeight);
    setFont(DialogFont());
    SetBackground(this, Unit1::kWindowGround);

    QWidget* previous = nullptr;
    for (const ControlLayout& c : Unit1::kForm1Layout) {
        QWidget* w = Build(c);
        if (w == nullptr) continue;
        widgets_[c.Name] = w;
        rows_[w] = &c;
        w->installEventFilter(this);
        if (c.Kind == ControlKind::PageControl) w->lower();  // the pages lie over it
        if (!c.TabStop) continue;
        if (previous != nullptr) setTabOrder(previous, w);
        previous = w;
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) {
        ShowPage(page);
        // A page chosen by the user takes the focus to its tab, as a click does.
        if (!pushing_) tabs_->tabBar()->setFocus();
    });
    // The tabs hold the focus for the tab control. Every key goes first to the
    // core's rule, before the control, a shortcut or the dialog has it.
    rows_[tabs_->tabBar()] = rows_[tabs_];
    tabs_->tabBar()->installEventFilter(this);
    installEventFilter(this);
    ShowPage(0);
}

QWidget* Form1Window::Build(const ControlLayout& c) {
    const QString caption = FromCp932(c.Caption);
    const int event = c.Event;
    QWidget* w = nullptr;
    switch (c.Kind) {
        case ControlKind::PageControl:
            w = tabs_ = new PageTabs(this);
            break;
        case ControlKind::TabSheet:
            tabs_->addTab(new QWidget, caption);
            return nullptr;
        case ControlKind::Label:
            w = new QLabel(caption, this);
            break;
        case ControlKind::GroupBox:
            w = new QGroupBox(this);
            break;
        case ControlKind::Edit:
            w = new DialogEdit(this, Unit1::FormEdit(form_, c)->MaxLength);
            break;
        case ControlKind::Radio: {
            // Not auto-exclusive: Qt would take the unchecked one out of the
            // Tab order, and the settings may leave both unchecked.
            auto* b = new QRadioButton(caption, this);
            b->setAutoExclusive(false);
            connect(b, &QRadioButton::clicked, this, [this, b, &c] {
                b->setChecked(true);
                for (auto* r = Unit1::NextRadio(c, true); r != nullptr && r != &c;
                     r = Unit1::NextRadio(*r, true))
                    static_cast<QRadioButton*>(Control(r->Name))->setChecked(false);
            });
            w = b;
            break;
        }
        case ControlKind::CheckBox:
            w = new QCheckBox(caption, this);
            break;
        case ControlKind::Button:
        case ControlKind::DefaultButton:
        case ControlKind::CancelButton: {
            auto* b = new QPushButton(caption, this);
            // The looks of a dialog's buttons; what Enter presses is the core's.
            b->setAutoDefault(true);
            b->setDefault(c.Kind == ControlKind::DefaultButton);
            connect(b, &QPushButton::clicked, this, [this, event] { Fire(event); });
            w = b;
            break;
        }
        case ControlKind::FlatButton: {
            auto* b = new QToolButton(this);
            b->setText(caption);
            b->setAutoRaise(true);
            b->setFocusPolicy(c.TabStop ? Qt::StrongFocus : Qt::NoFocus);
            connect(b, &QToolButton::clicked, this, [this, event] { Fire(event); });
            w = b;
            break;
        }
        case ControlKind::ComboList:
        case ControlKind::ComboEdit: {
            w = new DialogComboBox(this, c.Kind == ControlKind::ComboEdit);
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new DialogList(this);
            list->setUniformItemSizes(true);
            if (event != Unit1::kNoEvent) {
                // A change of row by mouse or keys applies the entry, as does
                // a click on the row already chosen. The row a list marks
                // current when it only receives the focus is not chosen.
                connect(list, &QListWidget::itemSelectionChanged, this, [this, list, event] {
                    if (!pushing_ && SelectedRow(list) >= 0) Fire(event);
                });
                connect(list, &QListWidget::itemClicked, this, [this, event] { Fire(event); });
            }
            w = list;
            break;
        }
    }
    if (Unit1::TakesNoInputMethod(c.Kind)) w->setAttribute(Qt::WA_InputMethodEnabled, false);
    const Unit1::ClientRect r = Unit1::PlaceOf(c);
    w->setGeometry(r.X, r.Y, r.W, r.H);
    return w;
}

QWidget* Form1Window::Control(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

void Form1Window::FocusFirst() {
    Control(Unit1::FirstFocus(form_).Name)->setFocus();
}

void Form1Window::ShowPage(int page) {
    for (const ControlLayout& c : Unit1::kForm1Layout)
        if (QWidget* w = Control(c.Name)) w->setVisible(Unit1::ShownOnPage(c, page));
}

void Form1Window::Push() {
    mirror_.Push(form_, *this);
}

void Form1Window::Pull() {
    mirror_.Pull(form_, *this);
}

void Form1Window::Fire(int event) {
    if (event == Unit1::kNoEvent) return;
    mirror_.Fire(form_, *this, invoke_, static_cast<FormEvent>(event));
}

QString Form1Window::Shown(const std::string& bytes) const {
    return FromCp932(bytes);
}

std::string Form1Window::Bytes(const QString& text) const {
    return ToCp932(text);
}

QString Form1Window::GetText(const ControlLayout& c) const {
    QWidget* w = Control(c.Name);
    if (c.Kind == ControlKind::Edit) return static_cast<QLineEdit*>(w)->text();
    if (c.Kind == ControlKind::ComboEdit) return static_cast<QComboBox*>(w)->currentText();
    return static_cast<QLabel*>(w)->text();
}

void Form1Window::SetText(const ControlLayout& c, const QString& text) {
    QWidget* w = Control(c.Name);
    if (c.Kind == ControlKind::Edit)
        static_cast<DialogEdit*>(w)->SetGivenText(text);
    else if (c.Kind == ControlKind::ComboEdit)
        static_cast<QComboBox*>(w)->setEditText(text);
    else
        static_cast<QLabel*>(w)->setText(text);
}

bool Form1Window::GetCheck(const ControlLayout& c) const {
    return static_cast<QAbstractButton*>(Control(c.Name))->isChecked();
}

void Form1Window::SetCheck(const ControlLayout& c, bool checked) {
    static_cast<QAbstractButton*>(Control(c.Name))->setChecked(checked);
}

void Form1Window::SetItems(const ControlLayout& c, const std::vector<std::string>& items) {
    if (c.Kind == ControlKind::ListBox) {
        auto* list = static_cast<QListWidget*>(Control(c.Name));
        list->clear();
        for (const auto& item : items) {
            list->addItem(FromCp932(item));
            list->item(list->count() - 1)->setSizeHint(QSize(0, Unit1::kListRowHeight));
        }
        return;
    }
    auto* combo = static_cast<DialogComboBox*>(Control(c.Name));
    combo->clear();
    for (const auto& item : items) combo->addItem(FromCp932(item));
    combo->Refilled();
}

int Form1Window::GetRow(const ControlLayout& c) const {
    if (c.Kind == ControlKind::ListBox)
        return SelectedRow(static_cast<QListWidget*>(Control(c.Name)));
    return static_cast<QComboBox*>(Control(c.Name))->currentIndex();
}

void Form1Window::SetRow(const ControlLayout& c, int row) {
    if (c.Kind == ControlKind::ListBox)
        static_cast<QListWidget*>(Control(c.Name))->setCurrentRow(row);
    else
        static_cast<QComboBox*>(Control(c.Name))->setCurrentIndex(row);
}

void Form1Window::SetFontColour(const ControlLayout& c, int bgr) {
    QWidget* w = Control(c.Name);
    QPalette p = w->palette();
    p.setColor(QPalette::ButtonText, FromBgr(bgr));
    w->setPalette(p);
}

void Form1Window::SetLook(const ControlLayout& c, Unit1::ControlLook look) {
    QWidget* w = Control(c.Name);
    if (w == nullptr) return;  // a tab: part of the tab control
    w->setEnabled(look.Enabled);
    // The group and its frames are filled; the rest lies on them. An edit's
    // own ground is its base colour.
    if (c.Kind == ControlKind::GroupBox || c.Kind == ControlKind::Edit)
        SetBackground(w, look.Ground);
}

int Form1Window::GetPage() const {
    return tabs_->currentIndex();
}

void Form1Window::SetPage(int page) {
    tabs_->setCurrentIndex(page);
    ShowPage(page);
}

void Form1Window::CloseForForm() {
    closingForForm_ = true;
    done(0);
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QDialog::eventFilter(watched, event);
    // A key given to the window itself is one on the control with the focus.
    const auto row = rows_.find(watched == this ? focusWidget() : watched);
    const auto usable = [this](const ControlLayout& c) {
        const QWidget* w = Control(c.Name);
        return w != nullptr && w->isVisible() && w->isEnabled();
    };
    const Unit1::KeyAnswer answer = Unit1::AnswerKey(
        KeyOf(*static_cast<QKeyEvent*>(event)), row == rows_.end() ? nullptr : row->second, usable);
    if (!answer.Taken) return QDialog::eventFilter(watched, event);
    // Asked first whether a shortcut may have the key: no, it comes as a key press.
    event->accept();
    if (type == QEvent::KeyPress) Apply(answer);
    return true;
}

void Form1Window::Apply(const Unit1::KeyAnswer& answer) {
    if (answer.Page >= 0) tabs_->setCurrentIndex(answer.Page);
    if (const ControlLayout* focus = answer.Focus) {
        QWidget* w = Control(focus->Name);
        w->setFocus(Qt::TabFocusReason);
        auto* combo = qobject_cast<QComboBox*>(w);
        QLineEdit* edit = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(w);
        if (answer.SelectText && edit != nullptr) edit->selectAll();
        if (answer.Check) static_cast<QAbstractButton*>(w)->click();
    }
    if (answer.Press != nullptr) Fire(answer.Press->Event);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    if (!closingForForm_) Fire(static_cast<int>(FormEvent::CloseBox));
    event->accept();
}

}  // namespace qtview
