// What the host shows when a launcher's run drew nothing: what was wrong and
// what to do. Each text's Japanese is in the comment above its bytes.
#include "Unit1/Notices.h"

#include "MyFunc/TextConv.h"
#include "Unit1/Form.h"
#include "figures/Figure.h"

namespace Unit1 {

namespace {

using figures::NotDrawn;

// Where the construction took the size from: what the user can change.
enum class Source { Points, Last, Numbers, Dialog };

Source SourceOf(int step) {
    switch (step) {
        case 2:
            return Source::Last;
        case 3:
            return Source::Numbers;
        case 6:
            return Source::Dialog;
        default:
            return Source::Points;
    }
}

const char* Problem(NotDrawn why) {
    switch (why) {
        case NotDrawn::NoCircle:
            return
                // 3点が一直線上にあるか重なっていて、円が決まりません。
                "3\x93\x5f\x82\xaa\x88\xea\x92\xbc\x90\xfc\x8f\xe3\x82\xc9\x82\xa0\x82\xe9\x82\xa9"
                "\x8f\x64\x82\xc8\x82\xc1\x82\xc4\x82\xa2\x82\xc4\x81\x41\x89\x7e\x82\xaa\x8c\x88"
                "\x82\xdc\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x42";
        case NotDrawn::EmptyRectangle:
            return
                // 矩形の幅か高さが 0 です。
                "\x8b\xe9\x8c\x60\x82\xcc\x95\x9d\x82\xa9\x8d\x82\x82\xb3\x82\xaa 0 "
                "\x82\xc5\x82\xb7\x81\x42";
        case NotDrawn::ZeroRadius:
            return
                // 半径が 0 以下です。
                "\x94\xbc\x8c\x61\x82\xaa 0 \x88\xc8\x89\xba\x82\xc5\x82\xb7\x81\x42";
        case NotDrawn::ZeroFlatness:
            return
                // 偏平率が 0 です。
                "\x95\xce\x95\xbd\x97\xa6\x82\xaa 0 \x82\xc5\x82\xb7\x81\x42";
        case NotDrawn::ZeroHole:
            return
                // 内側円半径が 0 以下です。
                "\x93\xe0\x91\xa4\x89\x7e\x94\xbc\x8c\x61\x82\xaa 0 "
                "\x88\xc8\x89\xba\x82\xc5\x82\xb7\x81\x42";
        case NotDrawn::HoleNotInside:
            return
                // 内側円半径が半径以上です。
                "\x93\xe0\x91\xa4\x89\x7e\x94\xbc\x8c\x61\x82\xaa\x94\xbc\x8c\x61\x88\xc8\x8f\xe3"
                "\x82\xc5\x82\xb7\x81\x42";
        case NotDrawn::TooLarge:
            return
                // 数値が大きすぎます。
                "\x90\x94\x92\x6c\x82\xaa\x91\xe5\x82\xab\x82\xb7\x82\xac\x82\xdc\x82\xb7\x81\x42";
        case NotDrawn::None:
            break;
    }
    return
        // 図形を作図できませんでした。
        "\x90\x7d\x8c\x60\x82\xf0\x8d\xec\x90\x7d\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x82\xc5"
        "\x82\xb5\x82\xbd\x81\x42";
}

const char* Action(NotDrawn why, Source from) {
    if (why == NotDrawn::TooLarge)
        return
            // 小さい値にしてください。
            "\x8f\xac\x82\xb3\x82\xa2\x92\x6c\x82\xc9\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82"
            "\xa2\x81\x42";
    const bool hole = why == NotDrawn::ZeroHole || why == NotDrawn::HoleNotInside;
    switch (from) {
        case Source::Last:
            return
                // ほかの取り方で一度作図してください。
                "\x82\xd9\x82\xa9\x82\xcc\x8e\xe6\x82\xe8\x95\xfb\x82\xc5\x88\xea\x93\x78\x8d\xec"
                "\x90\x7d\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42";
        case Source::Numbers:
            if (hole)
                return
                    // 半径より小さい正の内側円半径を半角数字で入力してください。
                    "\x94\xbc\x8c\x61\x82\xe6\x82\xe8\x8f\xac\x82\xb3\x82\xa2\x90\xb3\x82\xcc\x93"
                    "\xe0\x91\xa4\x89\x7e\x94\xbc\x8c\x61\x82\xf0\x94\xbc\x8a\x70\x90\x94\x8e\x9a"
                    "\x82\xc5\x93\xfc\x97\xcd\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81"
                    "\x42";
            return
                // 0 より大きい半径を半角数字で入力してください。
                "0 "
                "\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xa2\x94\xbc\x8c\x61\x82\xf0\x94\xbc\x8a\x70"
                "\x90\x94\x8e\x9a\x82\xc5\x93\xfc\x97\xcd\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3"
                "\x82\xa2\x81\x42";
        case Source::Dialog:
            if (hole)
                return
                    // ダイアログで半径より小さい正の内側円半径を入力してください。
                    "\x83\x5f\x83\x43\x83\x41\x83\x8d\x83\x4f\x82\xc5\x94\xbc\x8c\x61\x82\xe6\x82"
                    "\xe8\x8f\xac\x82\xb3\x82\xa2\x90\xb3\x82\xcc\x93\xe0\x91\xa4\x89\x7e\x94\xbc"
                    "\x8c\x61\x82\xf0\x93\xfc\x97\xcd\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82"
                    "\xa2\x81\x42";
            if (why == NotDrawn::ZeroFlatness)
                return
                    // ダイアログで 0 より大きい偏平率を入力してください。
                    "\x83\x5f\x83\x43\x83\x41\x83\x8d\x83\x4f\x82\xc5 0 "
                    "\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xa2\x95\xce\x95\xbd\x97\xa6\x82\xf0\x93"
                    "\xfc\x97\xcd\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42";
            return
                // ダイアログで 0 より大きい半径を入力してください。
                "\x83\x5f\x83\x43\x83\x41\x83\x8d\x83\x4f\x82\xc5 0 "
                "\x82\xe6\x82\xe8\x91\xe5\x82\xab\x82\xa2\x94\xbc\x8c\x61\x82\xf0\x93\xfc\x97\xcd"
                "\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42";
        case Source::Points:
            break;
    }
    switch (why) {
        case NotDrawn::EmptyRectangle:
            return
                // 軸角の向きの矩形の対角の2点を指示し直してください。
                "\x8e\xb2\x8a\x70\x82\xcc\x8c\xfc\x82\xab\x82\xcc\x8b\xe9\x8c\x60\x82\xcc\x91\xce"
                "\x8a\x70\x82\xcc"
                "2\x93\x5f\x82\xf0\x8e\x77\x8e\xa6\x82\xb5\x92\xbc\x82\xb5\x82\xc4\x82\xad\x82\xbe"
                "\x82\xb3\x82\xa2\x81\x42";
        case NotDrawn::ZeroRadius:
            return
                // 中心から離れた円周上の点を指示してください。
                "\x92\x86\x90\x53\x82\xa9\x82\xe7\x97\xa3\x82\xea\x82\xbd\x89\x7e\x8e\xfc\x8f\xe3"
                "\x82\xcc\x93\x5f\x82\xf0\x8e\x77\x8e\xa6\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3"
                "\x82\xa2\x81\x42";
        case NotDrawn::ZeroHole:
            return
                // 中心から離れた内側円周上の点を指示してください。
                "\x92\x86\x90\x53\x82\xa9\x82\xe7\x97\xa3\x82\xea\x82\xbd\x93\xe0\x91\xa4\x89\x7e"
                "\x8e\xfc\x8f\xe3\x82\xcc\x93\x5f\x82\xf0\x8e\x77\x8e\xa6\x82\xb5\x82\xc4\x82\xad"
                "\x82\xbe\x82\xb3\x82\xa2\x81\x42";
        case NotDrawn::HoleNotInside:
            return
                // 内側円周上の点を円周より内側に指示してください。
                "\x93\xe0\x91\xa4\x89\x7e\x8e\xfc\x8f\xe3\x82\xcc\x93\x5f\x82\xf0\x89\x7e\x8e\xfc"
                "\x82\xe6\x82\xe8\x93\xe0\x91\xa4\x82\xc9\x8e\x77\x8e\xa6\x82\xb5\x82\xc4\x82\xad"
                "\x82\xbe\x82\xb3\x82\xa2\x81\x42";
        default:
            return
                // 3点を指示し直してください。
                "3\x93\x5f\x82\xf0\x8e\x77\x8e\xa6\x82\xb5\x92\xbc\x82\xb5\x82\xc4\x82\xad\x82\xbe"
                "\x82\xb3\x82\xa2\x81\x42";
    }
}

// A typed text as the notice quotes it: at most 16 bytes, whole characters,
// no control bytes.
std::string Quoted(const std::string& typed) {
    std::string out;
    for (size_t i = 0; i < typed.size();) {
        const auto b = static_cast<unsigned char>(typed[i]);
        const size_t n = MyFunc::IsLeadByte(b) && i + 1 < typed.size() ? 2 : 1;
        if (out.size() + n > 16) break;
        if (b >= 0x20 && b != 0x7F) out.append(typed, i, n);
        i += n;
    }
    return out;
}

// The first text the construction read as a number that is not one, or null.
const std::string* Unreadable(const TForm1& f, Source from) {
    const figures::ModeSpec* m = figures::FindMode(f.Mode);
    if (m == nullptr) return nullptr;
    std::vector<const std::string*> read;
    if (from == Source::Numbers) {
        // The radius, then the inner radius of a ring: the angles never stop a figure.
        read.push_back(&f.NumberTexts[0]);
        if (m->shape.Ring) read.push_back(&f.NumberTexts[1]);
    } else if (from == Source::Dialog) {
        const bool arc = m->shape.Arc;
        const bool byFlatness = arc ? f.RBB1.Checked : f.RBA1.Checked;
        if (byFlatness)
            read = {arc ? &f.EditB1.Text : &f.EditA1.Text, arc ? &f.EditB2.Text : &f.EditA2.Text};
        else
            read = {arc ? &f.EditB3.Text : &f.EditA3.Text, arc ? &f.EditB4.Text : &f.EditA4.Text};
        if (m->shape.Ring) read.push_back(arc ? &f.EditB6.Text : &f.EditA6.Text);
    }
    double value = 0;
    for (const std::string* text : read)
        if (!text->empty() && !MyFunc::TryTextToFloat(*text, value)) return text;
    return nullptr;
}

}  // namespace

std::string NotDrawnNotice(const TForm1& form) {
    if (form.Outcome == NotDrawn::None) return {};
    const Source from = SourceOf(form.Step);
    // The program's name first: the host shows the text without saying whose it is.
    std::string text =
        // t742：
        "t742\x81\x46";
    if (const std::string* typed = Unreadable(form, from)) {
        text +=
            // 「
            "\x81\x75";
        text += Quoted(*typed);
        text +=
            // 」は数値として読めません。半角数字で入力してください。
            "\x81\x76\x82\xcd\x90\x94\x92\x6c\x82\xc6\x82\xb5\x82\xc4\x93\xc7\x82\xdf\x82\xdc\x82"
            "\xb9\x82\xf1\x81\x42\x94\xbc\x8a\x70\x90\x94\x8e\x9a\x82\xc5\x93\xfc\x97\xcd\x82\xb5"
            "\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42";
        return text;
    }
    // Three points that meet give a circle of no size: they are the fault, not the radius.
    const NotDrawn why =
        form.Step == 4 && form.Outcome == NotDrawn::ZeroRadius ? NotDrawn::NoCircle : form.Outcome;
    if (from == Source::Last && why != NotDrawn::TooLarge)
        text +=
            // 前回の図形の
            "\x91\x4f\x89\xf1\x82\xcc\x90\x7d\x8c\x60\x82\xcc";
    text += Problem(why);
    text += Action(why, from);
    return text;
}

}  // namespace Unit1
