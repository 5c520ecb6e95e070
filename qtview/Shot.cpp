// Renders the dialog's four pages to PNG files, for the README:
//   t742dialogshot OUT-FOLDER
#include <QApplication>
#include <QTabWidget>
#include <cstdio>

#include "Unit1/DialogSample.h"
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
    Unit1::TForm1 form;
    Unit1::PrepareDialogSample(form);
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
