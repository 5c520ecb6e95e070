#include "figures/Solids.h"

#include "figures/Rules.h"

namespace figures {

std::vector<Solid> SolidsOf(const ModeSpec& mode, const Figure& f, bool closed, int option) {
    switch (mode.Output) {
        case Records::Se:
            return {{Keyword::Se, closed ? 100 : 0, f}};
        case Records::Sc:
            return {{Keyword::Sc, closed ? 100 : 0, f}};
        case Records::ScSegment:
            return {{Keyword::Sc, closed ? 100 : 5, f}};
        case Records::Quarters: {
            std::vector<Solid> pieces;
            for (const Figure& piece : QuarterPieces(f)) pieces.push_back({Keyword::Sc, -1, piece});
            return pieces;
        }
        case Records::Ring:
            break;
    }
    return {{option == 1 ? Keyword::Sg : Keyword::So, 0, f}};
}

}  // namespace figures
