// The dialog's controls as plain state. The window (when there is one) mirrors
// these and writes every user edit back, so all behaviour is testable headless.
// Texts are code page 932 bytes.
#pragma once

#include <string>
#include <vector>

namespace Unit1 {

struct TEdit {
    std::string Text;
    int MaxLength = 24;
};

struct TCheckBox {
    bool Checked = false;
};

struct TRadioButton {
    bool Checked = false;
};

struct TComboBox {
    std::vector<std::string> Items;
    int ItemIndex = -1;
    std::string Text;  // the editable combo box's text
};

struct TListBox {
    std::vector<std::string> Items;
    int ItemIndex = -1;
};

struct TSpeedButton {
    int FontColor = 0;  // 0xBBGGRR
};

struct TLabel {
    std::string Caption;
};

struct TGroupBox {
    bool Enabled = true;
    int Color = 0xFFFFFF;
};

// Checks one radio button of a page's pair, which unchecks the other.
inline void CheckRadio(TRadioButton& on, TRadioButton& other) {
    on.Checked = true;
    other.Checked = false;
}

}  // namespace Unit1
