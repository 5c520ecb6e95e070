// The Qt view under the offscreen platform: what it shows, what it accepts,
// and OK by Enter and Cancel by Esc through the whole program flow.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "Unit1/Form.h"
#include "Unit1/Layout.h"
#include "qtview/Form1Window.h"
#include "qtview/QtPlatform.h"

using namespace t742test;
using Lines = std::vector<std::string>;

namespace {

class QtView : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        platform = new qtview::QtPlatform(&Unit1::InvokeFormEvent);
        ASSERT_TRUE(platform->Available());
    }
    static inline qtview::QtPlatform* platform = nullptr;

    TempDir dir;
    Unit1::TForm1 form;

    // Shows the dialog as the program does; `act` runs once it is up.
    void Show(const Lines& args, std::function<void(qtview::Form1Window&)> act) {
        form.Platform = platform;
        QTimer::singleShot(0, [act] {
            ASSERT_NE(platform->Window(), nullptr);
            act(*platform->Window());
        });
        form.FormShow(dir.File("t742"), args);
    }
};

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

TEST_F(QtView, CaptionsDefaultsAndLimits) {
    Show({"2", "6"}, [this](qtview::Form1Window& w) {
        EXPECT_EQ(w.windowTitle(), "Velmora");
        EXPECT_EQ(w.size(), QSize(414, 223));
        EXPECT_EQ(w.Control<QTabWidget>("PageControl1")->count(), 4);
        EXPECT_EQ(w.Control<QTabWidget>("PageControl1")->tabText(0), U("設定(&S)"));
        EXPECT_EQ(w.Control<QTabWidget>("PageControl1")->tabText(3), U("設定リスト(&L)"));
        EXPECT_EQ(w.Control<QTabWidget>("PageControl1")->currentIndex(), 2);
        EXPECT_EQ(w.Control<QPushButton>("Button1")->text(), U("OK(&Y)"));
        EXPECT_EQ(w.Control<QPushButton>("Button2")->text(), U("キャンセル(&N)"));
        EXPECT_TRUE(w.Control<QPushButton>("Button1")->isDefault());
        EXPECT_EQ(w.Control<QPushButton>("Button9")->text(), U("→　削　除　(&D)"));
        EXPECT_EQ(w.Control<QLabel>("LabelA1")->text(), U("軸角：0°"));
        EXPECT_EQ(w.Control<QComboBox>("ComboBox1")->count(), 266);
        EXPECT_EQ(w.Control<QComboBox>("ComboBox1")->itemText(0), U("現在線色"));
        EXPECT_EQ(w.Control<QComboBox>("ComboBox1")->itemText(10), U("SXF-1"));
        EXPECT_EQ(w.Control<QComboBox>("ComboBox1")->currentIndex(), 0);
        EXPECT_EQ(w.Control<QComboBox>("ComboBox3")->count(), 12);
        EXPECT_EQ(w.Control<QComboBox>("ComboBox3")->currentText(), "");
        EXPECT_EQ(w.Control<QLineEdit>("EditA1")->text(), "100");
        EXPECT_EQ(w.Control<QLineEdit>("EditB8")->text(), "360");
        EXPECT_EQ(w.Control<QLineEdit>("EditA6")->text(), "50");
        EXPECT_TRUE(w.Control<QRadioButton>("RBA1")->isChecked());
        EXPECT_FALSE(w.Control<QRadioButton>("RBB2")->isChecked());
        EXPECT_FALSE(w.Control<QGroupBox>("GroupBoxA")->isEnabled());
        EXPECT_EQ(w.Control<QGroupBox>("GroupBoxA")->palette().color(QPalette::Window),
                  QColor(0xC0, 0xC0, 0xC0));
        EXPECT_TRUE(w.Control<QGroupBox>("GroupBoxB")->isEnabled());
        for (const Unit1::ControlLayout& c : Unit1::kForm1Layout) {
            if (c.Kind != Unit1::ControlKind::Edit) continue;
            EXPECT_FALSE(w.Control(c.Name)->testAttribute(Qt::WA_InputMethodEnabled)) << c.Name;
        }
        // A 25th typed character is refused; a longer text given stays whole
        // and takes no more, but may be shortened.
        QLineEdit* e = w.Control<QLineEdit>("EditB1");
        e->clear();
        QTest::keyClicks(e, QString(25, '7'));
        EXPECT_EQ(e->text(), QString(24, '7'));
        w.Pull();
        form.EditB1.Text = std::string(30, '8');
        w.Push();
        e->end(false);
        QTest::keyClicks(e, "9");
        EXPECT_EQ(e->text(), QString(30, '8'));
        QTest::keyClick(e, Qt::Key_Backspace);
        EXPECT_EQ(e->text(), QString(29, '8'));
        w.close();  // the close box
    });
    EXPECT_EQ(dir.Entries(), (Lines{"JWC_TEMP.TXT"}));
    EXPECT_EQ(SplitCrLf(dir.Read("JWC_TEMP.TXT")), (Lines{"hq"}));
}

TEST_F(QtView, EnterPressesOk) {
    dir.Write("JWC_TEMP.TXT", "hp1 10 20\r\n");
    Show({"1", "6"}, [](qtview::Form1Window& w) {
        QLineEdit* radius = w.Control<QLineEdit>("EditA1");
        radius->setFocus();
        radius->selectAll();
        QTest::keyClicks(radius, "25");
        w.Control<QComboBox>("ComboBox3")->setEditText("30");
        QTest::keyClick(radius, Qt::Key_Return);
    });
    EXPECT_EQ(SplitCrLf(dir.Read("JWC_TEMP.TXT")),
              (Lines{"lc1", "lw30", "se 10 20 25 1 0 0 6.28318530717959 100"}));
    const auto settings = SplitCrLf(dir.Read("t742.dat"));
    ASSERT_EQ(settings.size(), 32u);
    EXPECT_EQ(settings[5], "30");
    EXPECT_EQ(settings[6], "25");
}

TEST_F(QtView, EnterInTheWidthBoxPressesOk) {
    Show({"1", "6"}, [](qtview::Form1Window& w) {
        w.Control<QTabWidget>("PageControl1")->setCurrentIndex(0);
        w.Control<QComboBox>("ComboBox3")->setFocus();
        QTest::keyClicks(w.Control<QComboBox>("ComboBox3"), "45");
        QTest::keyClick(w.Control<QComboBox>("ComboBox3"), Qt::Key_Return);
    });
    const auto settings = SplitCrLf(dir.Read("t742.dat"));
    ASSERT_EQ(settings.size(), 32u);
    EXPECT_EQ(settings[5], "45");
}

TEST_F(QtView, EscapeCancelsButKeepsListEdits) {
    Show({"1", "6"}, [](qtview::Form1Window& w) {
        w.Control<QLineEdit>("EditA1")->setText("55");
        QTest::mouseClick(w.Control<QPushButton>("Button5"), Qt::LeftButton);  // register a preset
        EXPECT_EQ(w.Control<QListWidget>("ListBox2")->count(), 1);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_FALSE(dir.Exists("t742.dat"));
    EXPECT_EQ(SplitCrLf(dir.Read("t742.lst")),
              (Lines{"1", "S=0 A=55 B=100 C=100 D=100 E=0 J=0 F=50 G=0 H=360"}));
}

TEST_F(QtView, TextRoundTripsAsCodePage932) {
    // Bytes that code page 932 cannot show stay as they were unless edited.
    dir.Write("t742.dat", "0\r\n0\r\n0\r\n0\r\n0\r\n-1\r\n\xff\xfe\r\n");
    Show({}, [](qtview::Form1Window& w) {
        w.Control<QLineEdit>("EditA2")->setText(U("半径１"));
        QTest::mouseClick(w.Control<QPushButton>("Button1"), Qt::LeftButton);
    });
    const auto settings = SplitCrLf(dir.Read("t742.dat"));
    ASSERT_EQ(settings.size(), 32u);
    EXPECT_EQ(settings[6], "\xff\xfe");
    EXPECT_EQ(settings[7], "\x94\xbc\x8c\x61\x82\x50");
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
