// The list of an editable combo box while it is closed, kept as Windows' combo
// box keeps it, so that Up and Down choose the same entry in every window.
// What the user types marks the first entry it begins, choosing none; the
// first arrow or page key then chooses the marked entry, the next ones move
// from it.
// Header-only: the Qt window, a module of its own, uses it too.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "MyFunc/TextConv.h"

namespace Unit1 {

// The first entry that `text` begins, ignoring the case of ASCII letters, or
// -1 (always for an empty text).
inline int FirstEntryBegunBy(const std::vector<std::string>& items, const std::string& text) {
    const auto folded = [](unsigned char b) { return b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b; };
    const auto begins = [&](const std::string& item) {
        if (item.size() < text.size()) return false;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto a = static_cast<unsigned char>(text[i]);
            const auto b = static_cast<unsigned char>(item[i]);
            // The second byte of a two-byte character is compared as it is.
            if (MyFunc::IsLeadByte(a) && i + 1 < text.size()) {
                if (a != b || text[i + 1] != item[i + 1]) return false;
                ++i;
            } else if (folded(a) != folded(b)) {
                return false;
            }
        }
        return true;
    };
    if (text.empty()) return -1;
    for (size_t i = 0; i < items.size(); ++i)
        if (begins(items[i])) return static_cast<int>(i);
    return -1;
}

struct EditComboList {
    int Marked = 0;   // the entry the arrow keys move from
    int Chosen = -1;  // the entry chosen, or none
    // An arrow's entry is put into the edit as a change of its text, and the
    // box then lets the next change the user makes go by unfollowed.
    bool PassNextEdit = false;

    // The entries were set anew (the form's state pushed into the window).
    void Refilled() {
        Marked = 0;
        Chosen = -1;
    }

    // The user changed the edit's text.
    void Edited(const std::vector<std::string>& items, const std::string& text) {
        if (PassNextEdit) {
            PassNextEdit = false;
            return;
        }
        const int found = FirstEntryBegunBy(items, text);
        Chosen = -1;
        Marked = found < 0 ? 0 : found;
    }

    // Up or Down (by -1 or 1), Page Up or Page Down (by a page of entries):
    // the entry whose text the edit now shows, all of it selected, or -1 when
    // there is none. At the first or the last entry it is chosen again.
    int Move(int count, int by) {
        if (count <= 0) return -1;
        // The first key after typing chooses the marked entry where it is.
        const int to = Chosen == Marked ? std::clamp(Marked + by, 0, count - 1) : Marked;
        Marked = Chosen = to;
        PassNextEdit = true;
        return to;
    }
};

}  // namespace Unit1
