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
    // A page's accelerator takes the focus to the tabs even on its own page.
    tabs_->tabBar()->installEventFilter(this);
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
            b->setAutoDefault(true);  // Enter presses the focused button
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
    // The arrow keys move the focus as the declared groups say, not as Qt's
    // buttons would (to any button beside them).
    if (!Unit1::TakesArrows(c.Kind)) w->installEventFilter(this);
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
    if (event->type() == QEvent::Shortcut && watched == tabs_->tabBar())
        tabs_->tabBar()->setFocus(Qt::ShortcutFocusReason);
    // An arrow key on a control that does not use it moves the focus within
    // the control's group; a radio button it reaches is checked.
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right)
        return QDialog::eventFilter(watched, event);
    const auto row = rows_.find(watched);
    if (row == rows_.end()) return QDialog::eventFilter(watched, event);
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    const auto usable = [this](const ControlLayout& c) {
        const QWidget* w = Control(c.Name);
        return w != nullptr && w->isVisible() && w->isEnabled();
    };
    if (const ControlLayout* next = Unit1::ArrowTarget(*row->second, forward, usable)) {
        QWidget* w = Control(next->Name);
        w->setFocus(Qt::TabFocusReason);  // an edit's text is selected, as by Tab
        if (next->Kind == ControlKind::Radio) static_cast<QRadioButton*>(w)->click();
    }
    return true;
}

void Form1Window::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Fire(static_cast<int>(Unit1::EventOfKind(ControlKind::CancelButton)));
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    if (!closingForForm_) Fire(static_cast<int>(FormEvent::CloseBox));
    event->accept();
}

}  // namespace qtview
