// The dialog as the README's pictures show it: prepared for the arc page's mode
// (the full-circle group greyed), with a few list entries.
#pragma once

#include "JwwGaibu/HostState.h"
#include "Unit1/Form.h"

namespace Unit1 {

inline void PrepareDialogSample(TForm1& form) {
    JwwGaibu::InitHostState();
    JwwGaibu::HostState.AxisAngle = 30;
    form.Mode = 2;
    form.Step = 6;
    form.PrepareDialog();
    form.ComboBox1.ItemIndex = 3;
    form.ComboBox3.Text = "25";
    form.ListBox1.Items = {"C=3 F=0 S=0 W=25", "C=1 F=1 S=255 W=50", "C=12 F=0 S=0 W="};
    form.ListBox2.Items = {"S=0 A=100 B=100 C=100 D=100 E=0 J=0 F=50 G=0 H=360",
                           "S=1 A=100 B=100 C=80 D=40 E=30 J=1 F=20 G=0 H=90"};
}

}  // namespace Unit1
