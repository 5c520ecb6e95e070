// The window of TForm1: it mirrors the form's controls and forwards events.
// All behaviour stays in the form; this only copies state in and out. The
// controls are built from the form's declared layout, in its order.
#pragma once

#include <QDialog>
#include <map>
#include <string>
#include <vector>

#include "Unit1/Form.h"
#include "Unit1/Layout.h"
#include "Unit1/Platform.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace qtview {

class Form1Window : public QDialog {
  public:
    Form1Window(Unit1::TForm1& form, Unit1::FormInvoke invoke);

    // Copies the form's controls into the widgets, and every widget back.
    void Push();
    void Pull();
    // Closes the window for the form (no close event reaches the form again).
    void CloseForForm();
    // The widget of a control by its form name; null for a name not built.
    QWidget* Control(const std::string& name) const;

    // The widgets under their form names, for tests and pictures.
    QTabWidget* PageControl1;
    QLabel* LabelA1;
    QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7, *Button8,
        *Button9;
    QComboBox *ComboBox1, *ComboBox3;
    QCheckBox *CheckBox1, *CBA1, *CBB1;
    QToolButton* SpeedButton1;
    QListWidget *ListBox1, *ListBox2;
    QGroupBox *GroupBoxA, *GroupBoxB;
    QRadioButton *RBA1, *RBA2, *RBB1, *RBB2;
    std::map<std::string, QLineEdit*> Edits;  // "EditA1" .. "EditB8"

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}  // Esc and the close box are handled above

  private:
    QWidget* Build(const Unit1::ControlLayout& c);
    void ShowPage(int page);
    void Fire(int event);

    Unit1::TForm1& form_;
    Unit1::FormInvoke invoke_;
    bool closingForForm_ = false;
    bool pushing_ = false;
    std::map<std::string, QWidget*> widgets_;
    // The declared row of each widget.
    std::map<const QObject*, const Unit1::ControlLayout*> rows_;
    // The text each edit showed when pushed: an edit the user left alone keeps
    // its bytes exactly, even bytes code page 932 cannot show.
    std::map<QWidget*, QString> pushed_;
};

// The font of the window: the host's Gothic where it exists, else a Japanese Gothic.
QFont DialogFont();

}  // namespace qtview
