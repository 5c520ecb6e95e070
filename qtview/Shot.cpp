// Renders the dialog's four pages to PNG files, for the README:
//   t742dialogshot OUT-FOLDER
#include <QApplication>
#include <QTabWidget>
#include <cstdio>

#include "JwwGaibu/HostState.h"
#include "Unit1/Form.h"
#include "qtview/Form1Window.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: t742dialogshot OUT-FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    JwwGaibu::InitHostState();
    JwwGaibu::HostState.AxisAngle = 30;
    Unit1::TForm1 form;
    form.Mode = 2;  // the arc page's mode: the full-circle group shows greyed
    form.Step = 6;
    form.PrepareDialog();
    form.ComboBox1.ItemIndex = 3;
    form.ComboBox3.Text = "25";
    form.ListBox1.Items = {"C=3 F=0 S=0 W=25", "C=1 F=1 S=255 W=50", "C=12 F=0 S=0 W="};
    form.ListBox2.Items = {"S=0 A=100 B=100 C=100 D=100 E=0 J=0 F=50 G=0 H=360",
                           "S=1 A=100 B=100 C=80 D=40 E=30 J=1 F=20 G=0 H=90"};
    qtview::Form1Window window(form, &Unit1::InvokeFormEvent);
    window.Push();
    for (int page = 0; page < 4; ++page) {
        window.PageControl1->setCurrentIndex(page);
        const QString path =
            QString::fromLocal8Bit(argv[1]) + QString("/dialog-page%1.png").arg(page + 1);
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
