#include "canvas.hpp"

namespace vornix::draw {

Colour light_colour(Ink ink) {
    switch (ink) {
    case Ink::Paper:
        return 0x00FFFFFF;
    case Ink::Text:
    case Ink::Axis:
        return 0x00000000;
    case Ink::Grid:
        return 0x00E6E6E6;
    case Ink::Curve:
        return 0x00B0500F; // a dark blue, 7:1 on white
    case Ink::Guide:
        return 0x00606060;
    case Ink::Mark:
        return 0x000000C0; // a dark red, 6.6:1 on white
    case Ink::Base:
        return 0x00B0A090; // a faint blue-grey
    case Ink::Region:
        return 0x00F7E9DC; // a light blue
    case Ink::Trace:
        return 0x00007A00; // a dark green, 5.4:1 on white
    case Ink::Highlight:
        return 0x00B8F4FF; // a light yellow, under black text
    }
    return 0;
}

Colour paper_colour(Ink ink) {
    switch (ink) {
    case Ink::Paper:
    case Ink::Region:
    case Ink::Highlight:
        return ink == Ink::Paper ? 0x00FFFFFF : 0x00EBEBEB;
    case Ink::Grid:
        return 0x00DDDDDD;
    case Ink::Base:
        return 0x00999999;
    case Ink::Guide:
        return 0x00555555;
    case Ink::Text:
    case Ink::Axis:
    case Ink::Curve:
    case Ink::Mark:
    case Ink::Trace:
        return 0x00000000;
    }
    return 0;
}

} // namespace vornix::draw
