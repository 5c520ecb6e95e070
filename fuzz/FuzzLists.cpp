// Both list files on any bytes, and every entry applied to the dialog.
#include "FuzzSupport.h"
#include "Unit1/Form.h"
#include "Unit1/Texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    t742fuzz::WriteFile(t742fuzz::Scratch() + Unit1::kColorWidthListName, bytes);
    t742fuzz::WriteFile(t742fuzz::Scratch() + Unit1::kPresetListName, bytes);
    Unit1::TForm1 form;
    form.ExeFolder = t742fuzz::Scratch();
    form.ComboBox1.Items = Unit1::ColourListItems();
    form.LoadColorWidthList();
    form.LoadPresetList();
    const size_t n1 = form.ListBox1.Items.size();
    for (size_t i = 0; i < n1 && i < 64; ++i) {
        form.ListBox1.ItemIndex = static_cast<int>(i);
        form.ListBox1Click();
        if (form.ComboBox1.ItemIndex < -1 || form.ComboBox1.ItemIndex >= 266) std::abort();
    }
    for (size_t i = 0; i < form.ListBox2.Items.size() && i < 64; ++i) {
        form.ListBox2.ItemIndex = static_cast<int>(i);
        form.Button7Click();
        form.Button8Click();
    }
    form.Button3Click();
    form.Button5Click();
    form.Button6Click();
    form.ListBox2.ItemIndex = static_cast<int>(form.ListBox2.Items.size()) - 1;
    form.Button8Click();  // a freshly registered preset applies cleanly
    form.ListBox1.ItemIndex = 0;
    form.Button4Click();
    form.SaveColorWidthList();
    form.SavePresetList();
    form.LoadColorWidthList();
    if (form.ListBox1.Items.size() != n1) std::abort();  // one added, one deleted
    return 0;
}
