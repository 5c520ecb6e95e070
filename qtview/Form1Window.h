// The window of TForm1: it mirrors the form's controls and forwards events.
// All behaviour stays in the form, and what both windows do alike in the
// core's dialog rules and mirror; this builds the widgets from the declared
// layout, in its order, reads and writes their values, turns Qt's events into
// the form's, and its keys into the core's, whose answer it applies.
#pragma once

#include <QDialog>
#include <map>
#include <string>

#include "Unit1/DialogMirror.h"
#include "Unit1/DialogRules.h"
#include "Unit1/Form.h"
#include "Unit1/Layout.h"
#include "Unit1/Platform.h"

class QTabWidget;

namespace qtview {

class Form1Window : public QDialog, private Unit1::ControlValues<QString> {
  public:
    Form1Window(Unit1::TForm1& form, Unit1::FormInvoke invoke);

    // Copies the form's controls into the widgets, and every widget back.
    void Push();
    void Pull();
    // Closes the window for the form (no close event reaches the form again).
    void CloseForForm();
    // The widget of a control by its form name; null for a name not built.
    QWidget* Control(const std::string& name) const;
    template <class Widget>
    Widget* Control(const std::string& name) const {
        return qobject_cast<Widget*>(Control(name));
    }
    // Gives the keyboard focus to the control the form's rules say.
    void FocusFirst();

  protected:
    // Every key on the window's controls: the core's rule answers, this applies it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}  // Esc and the close box are the form's events

  private:
    QWidget* Build(const Unit1::ControlLayout& c);
    void ShowPage(int page);
    void Fire(int event);
    void Apply(const Unit1::KeyAnswer& answer);

    // The widgets' values, for the mirror.
    QString Shown(const std::string& bytes) const override;
    std::string Bytes(const QString& text) const override;
    QString GetText(const Unit1::ControlLayout& c) const override;
    void SetText(const Unit1::ControlLayout& c, const QString& text) override;
    bool GetCheck(const Unit1::ControlLayout& c) const override;
    void SetCheck(const Unit1::ControlLayout& c, bool checked) override;
    void SetItems(const Unit1::ControlLayout& c, const std::vector<std::string>& items) override;
    int GetRow(const Unit1::ControlLayout& c) const override;
    void SetRow(const Unit1::ControlLayout& c, int row) override;
    void SetFontColour(const Unit1::ControlLayout& c, int bgr) override;
    void SetLook(const Unit1::ControlLayout& c, Unit1::ControlLook look) override;
    int GetPage() const override;
    void SetPage(int page) override;
    void Pushing() override { pushing_ = true; }
    void Pushed() override { pushing_ = false; }

    Unit1::TForm1& form_;
    Unit1::FormInvoke invoke_;
    Unit1::DialogMirror<QString> mirror_;
    QTabWidget* tabs_ = nullptr;
    bool closingForForm_ = false;
    bool pushing_ = false;
    std::map<std::string, QWidget*> widgets_;
    // The declared row of each widget.
    std::map<const QObject*, const Unit1::ControlLayout*> rows_;
};

// The font of the window: the family the dialog's rules choose.
QFont DialogFont();

}  // namespace qtview
