#include "platform/print_items.h"

#include "platform/numtext.h"

namespace platform {

std::string printLineText(const PrintLine& line) {
    std::string out;
    for (const PrintItem& item : line) {
        switch (item.kind) {
            case PrintItem::Kind::Text:
                out += item.text;
                break;
            case PrintItem::Kind::Number:
                out += printedNumber(item.number);
                break;
            case PrintItem::Kind::NextZone:
                out += '\t';
                break;
        }
    }
    return out;
}

}  // namespace platform
