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
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include "qtview/Cp932.h"

namespace qtview {

using Unit1::FormEvent;

namespace {

QColor FromBgr(int c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

template <typename W>
W* Place(W* w, int x, int y, int width, int height) {
    w->setGeometry(x, y, width, height);
    return w;
}

QLabel* Label(QWidget* parent, const char* text, int x, int y, int width = 80) {
    return Place(new QLabel(QString::fromUtf8(text), parent), x, y, width, 18);
}

void SetBackground(QWidget* w, int bgr) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, FromBgr(bgr));
    p.setColor(QPalette::Base, FromBgr(bgr));
    // Disabled captions stay readable on the grey of a disabled group.
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x70, 0x70, 0x70));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A radio button that may be unchecked with its partner, as the settings allow.
void SetRadio(QRadioButton* b, bool on) {
    b->setAutoExclusive(false);
    b->setChecked(on);
    b->setAutoExclusive(true);
}

}  // namespace

QFont DialogFont() {
    const QStringList families = QFontDatabase::families();
    QFont font;
    for (const char* name : {"ＭＳ ゴシック", "MS Gothic", "IPAGothic", "IPAゴシック",
                             "Noto Sans CJK JP", "VL Gothic", "TakaoGothic"}) {
        if (families.contains(QString::fromUtf8(name))) {
            font.setFamily(QString::fromUtf8(name));
            break;
        }
    }
    font.setPixelSize(13);
    return font;
}

Form1Window::Form1Window(Unit1::TForm1& form, Unit1::FormInvoke invoke)
    : form_(form), invoke_(invoke) {
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(414, 223);
    setFont(DialogFont());
    SetBackground(this, 0xFFFFFF);

    PageControl1 = Place(new QTabWidget(this), 4, 4, 406, 184);
    PageControl1->addTab(BuildSettingsPage(), QString::fromUtf8("設定(&S)"));
    PageControl1->addTab(BuildFigurePage(false), QString::fromUtf8("全円(&1)"));
    PageControl1->addTab(BuildFigurePage(true), QString::fromUtf8("円弧(&2)"));
    PageControl1->addTab(BuildPresetPage(), QString::fromUtf8("設定リスト(&L)"));

    LabelA1 = Place(new QLabel(this), 8, 198, 230, 18);
    Button1 = Place(new QPushButton(QString::fromUtf8("OK(&Y)"), this), 236, 194, 80, 25);
    Button2 = Place(new QPushButton(QString::fromUtf8("キャンセル(&N)"), this), 320, 194, 90, 25);
    Button1->setDefault(true);
    Button1->setAutoDefault(true);
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] { Fire(FormEvent::Button1); });
    connect(Button2, &QPushButton::clicked, this, [this] { Fire(FormEvent::Button2); });
}

QWidget* Form1Window::BuildSettingsPage() {
    auto* page = new QWidget;
    Label(page, "線色", 8, 10, 34);
    ComboBox1 = Place(new QComboBox(page), 44, 6, 130, 22);
    CheckBox1 = Place(new QCheckBox(QString::fromUtf8("任意色"), page), 8, 36, 74, 20);
    SpeedButton1 = Place(new QToolButton(page), 84, 34, 90, 22);
    SpeedButton1->setText(QString::fromUtf8("任意色■"));
    SpeedButton1->setAutoRaise(true);  // flat
    Label(page, "線幅", 8, 66, 34);
    ComboBox3 = Place(new QComboBox(page), 44, 62, 130, 22);
    ComboBox3->setEditable(true);
    Button3 = Place(new QPushButton(QString::fromUtf8("登録→"), page), 8, 92, 80, 24);
    Button4 = Place(new QPushButton(QString::fromUtf8("削除←"), page), 94, 92, 80, 24);
    Label(page, "※右リストはTarvinel", 8, 122, 190);
    Label(page, "の外部変形と共用しています", 8, 138, 190);
    ListBox1 = Place(new QListWidget(page), 200, 6, 196, 148);
    for (QWidget* w : {static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(ComboBox3)})
        w->setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(Button3, &QPushButton::clicked, this, [this] { Fire(FormEvent::Button3); });
    connect(Button4, &QPushButton::clicked, this, [this] { Fire(FormEvent::Button4); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { Fire(FormEvent::SpeedButton1); });
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { Fire(FormEvent::ListBox1); });
    return page;
}

QWidget* Form1Window::BuildFigurePage(bool arc) {
    const std::string p = arc ? "EditB" : "EditA";
    auto* page = new QWidget;
    auto* group = Place(new QGroupBox(page), 2, 2, 398, 152);
    (arc ? GroupBoxB : GroupBoxA) = group;
    auto edit = [&](QWidget* parent, int n, int x, int y) {
        auto* e = Place(new QLineEdit(parent), x, y, 72, 20);
        e->setMaxLength(24);
        e->setAttribute(Qt::WA_InputMethodEnabled, false);
        Edits[p + std::to_string(n)] = e;
        return e;
    };
    auto* rb1 = Place(new QRadioButton(QString::fromUtf8("偏平率指定"), group), 8, 4, 150, 20);
    auto* frame1 = Place(new QGroupBox(group), 8, 24, 188, 54);
    Label(frame1, "半径", 6, 7, 50);
    auto* radius = edit(frame1, 1, 58, 6);
    Label(frame1, "実寸mm", 134, 7, 50);
    Label(frame1, "偏平率", 6, 30, 50);
    edit(frame1, 2, 58, 29);
    Label(frame1, "％", 134, 30, 20);
    auto* rb2 = Place(new QRadioButton(QString::fromUtf8("軸半径指定"), group), 204, 4, 150, 20);
    auto* frame2 = Place(new QGroupBox(group), 204, 24, 188, 54);
    Label(frame2, "Ｘ半径", 6, 7, 50);
    auto* xRadius = edit(frame2, 3, 58, 6);
    Label(frame2, "実寸mm", 134, 7, 50);
    Label(frame2, "Ｙ半径", 6, 30, 50);
    edit(frame2, 4, 58, 29);
    Label(frame2, "実寸mm", 134, 30, 50);
    const int tiltY = arc ? 82 : 86;
    Label(group, "傾き角度", 14, tiltY + 1, 70);
    auto* tilt = edit(group, 5, 86, tiltY);
    Label(group, "°", 162, tiltY + 1, 14);
    auto* fromAxis =
        Place(new QCheckBox(QString::fromUtf8("軸角基準とする"), group), 204, tiltY, 150, 20);
    QLineEdit* start = nullptr;
    QLineEdit* end = nullptr;
    if (arc) {
        Label(group, "開始角度", 14, 105, 70);
        start = edit(group, 7, 86, 104);
        Label(group, "°", 162, 105, 14);
        Label(group, "終了角度", 204, 105, 70);
        end = edit(group, 8, 276, 104);
        Label(group, "°", 352, 105, 14);
    }
    const int innerY = arc ? 127 : 112;
    Label(group, "内側円半径", 14, innerY + 1, 84);
    auto* inner = edit(group, 6, 100, innerY);
    Label(group, "実寸mm", 176, innerY + 1, 50);
    auto* reg =
        Place(new QPushButton(QString::fromUtf8("登録→"), group), 310, arc ? 124 : 118, 80, 24);

    // Keyboard order: radio, its frame, radio, its frame, tilt, axis check,
    // (start, end,) inner radius, register.
    QWidget* order[] = {rb1, radius, Edits[p + "2"], rb2, xRadius, Edits[p + "4"], tilt, fromAxis};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    QWidget* last = fromAxis;
    if (arc) {
        setTabOrder(last, start);
        setTabOrder(start, end);
        last = end;
    }
    setTabOrder(last, inner);
    setTabOrder(inner, reg);

    if (arc) {
        RBB1 = rb1, RBB2 = rb2, CBB1 = fromAxis, Button6 = reg;
        connect(reg, &QPushButton::clicked, this, [this] { Fire(FormEvent::Button6); });
    } else {
        RBA1 = rb1, RBA2 = rb2, CBA1 = fromAxis, Button5 = reg;
        connect(reg, &QPushButton::clicked, this, [this] { Fire(FormEvent::Button5); });
    }
    return page;
}

QWidget* Form1Window::BuildPresetPage() {
    auto* page = new QWidget;
    ListBox2 = Place(new QListWidget(page), 6, 6, 252, 148);
    Button7 = Place(new QPushButton(QString::fromUtf8("→全円設定へ(&A)"), page), 266, 10, 130, 26);
    Button8 = Place(new QPushButton(QString::fromUtf8("→円弧設定へ(&B)"), page), 266, 44, 130, 26);
    Button9 = Place(new QPushButton(QString::fromUtf8("→　削　除　(&D)"), page), 266, 78, 130, 26);
    connect(Button7, &QPushButton::clicked, this, [this] { Fire(FormEvent::Button7); });
    connect(Button8, &QPushButton::clicked, this, [this] { Fire(FormEvent::Button8); });
    connect(Button9, &QPushButton::clicked, this, [this] { Fire(FormEvent::Button9); });
    return page;
}

Unit1::TEdit& Form1Window::FormEdit(const std::string& name) {
    Unit1::TEdit* edits[] = {&form_.EditA1, &form_.EditA2, &form_.EditA3, &form_.EditA4,
                             &form_.EditA5, &form_.EditA6, &form_.EditB1, &form_.EditB2,
                             &form_.EditB3, &form_.EditB4, &form_.EditB5, &form_.EditB6,
                             &form_.EditB7, &form_.EditB8};
    const int page = name[4] == 'A' ? 0 : 6;
    return *edits[page + (name[5] - '1')];
}

void Form1Window::Push() {
    pushed_.clear();
    auto text = [this](QWidget* w, const std::string& bytes) {
        const QString t = FromCp932(bytes);
        pushed_[w] = t;
        return t;
    };
    LabelA1->setText(text(LabelA1, form_.LabelA1.Caption));
    ComboBox1->clear();
    for (const auto& item : form_.ComboBox1.Items) ComboBox1->addItem(FromCp932(item));
    ComboBox1->setCurrentIndex(form_.ComboBox1.ItemIndex);
    CheckBox1->setChecked(form_.CheckBox1.Checked);
    QPalette p = SpeedButton1->palette();
    p.setColor(QPalette::ButtonText, FromBgr(form_.SpeedButton1.FontColor));
    SpeedButton1->setPalette(p);
    ComboBox3->clear();
    for (const auto& item : form_.ComboBox3.Items) ComboBox3->addItem(FromCp932(item));
    ComboBox3->setEditText(text(ComboBox3, form_.ComboBox3.Text));
    for (auto [list, items] :
         {std::pair{ListBox1, &form_.ListBox1}, std::pair{ListBox2, &form_.ListBox2}}) {
        list->clear();
        for (const auto& item : items->Items) list->addItem(FromCp932(item));
        list->setCurrentRow(items->ItemIndex);
    }
    for (auto& [name, edit] : Edits) edit->setText(text(edit, FormEdit(name).Text));
    SetRadio(RBA1, form_.RBA1.Checked);
    SetRadio(RBA2, form_.RBA2.Checked);
    SetRadio(RBB1, form_.RBB1.Checked);
    SetRadio(RBB2, form_.RBB2.Checked);
    CBA1->setChecked(form_.CBA1.Checked);
    CBB1->setChecked(form_.CBB1.Checked);
    for (auto [box, state] :
         {std::pair{GroupBoxA, &form_.GroupBoxA}, std::pair{GroupBoxB, &form_.GroupBoxB}}) {
        box->setEnabled(state->Enabled);
        SetBackground(box, state->Color);
    }
    PageControl1->setCurrentIndex(form_.ActivePage);
}

void Form1Window::Pull() {
    // A text the user did not change keeps the form's own bytes.
    auto bytes = [this](QWidget* w, const QString& now, std::string& into) {
        const auto it = pushed_.find(w);
        if (it == pushed_.end() || it->second != now) into = ToCp932(now);
    };
    form_.ComboBox1.ItemIndex = ComboBox1->currentIndex();
    form_.CheckBox1.Checked = CheckBox1->isChecked();
    bytes(ComboBox3, ComboBox3->currentText(), form_.ComboBox3.Text);
    form_.ListBox1.ItemIndex = ListBox1->currentRow();
    form_.ListBox2.ItemIndex = ListBox2->currentRow();
    for (auto& [name, edit] : Edits) bytes(edit, edit->text(), FormEdit(name).Text);
    form_.RBA1.Checked = RBA1->isChecked();
    form_.RBA2.Checked = RBA2->isChecked();
    form_.RBB1.Checked = RBB1->isChecked();
    form_.RBB2.Checked = RBB2->isChecked();
    form_.CBA1.Checked = CBA1->isChecked();
    form_.CBB1.Checked = CBB1->isChecked();
}

void Form1Window::Fire(FormEvent event) {
    Pull();
    invoke_(form_, event);
    if (!closingForForm_) Push();
}

void Form1Window::CloseForForm() {
    closingForForm_ = true;
    done(0);
}

void Form1Window::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Fire(FormEvent::Button2);
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    if (!closingForForm_) Fire(FormEvent::CloseBox);
    event->accept();
}

}  // namespace qtview
