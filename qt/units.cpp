#include "units.hpp"

#include <QApplication>
#include <QStringList>

namespace vornix::qt {

using ui::Typeface;

int twips_to_pixels(int twips) {
    return ui::twips_to_pixels(twips);
}

QColor colour_from_bgr(ui::Colour bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

namespace {

// Faces that hold the GB2312 set, tried after the designed ones.
const QStringList& cjk_fallbacks() {
    static const QStringList families{"Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Zen Hei",
                                      "Droid Sans Fallback"};
    return families;
}

QStringList families_for(Typeface face) {
    QStringList families;
    for (const std::string_view name : ui::faces_of(face)) {
        families << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    return families + cjk_fallbacks();
}

} // namespace

QFont make_font(const ui::Font& spec) {
    QFont font = QApplication::font();
    if (spec.face != Typeface::SystemDefault) {
        font.setFamilies(families_for(spec.face));
    }
    if (spec.points > 0) {
        font.setPointSizeF(spec.points);
    }
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(spec.underline);
    return font;
}

} // namespace vornix::qt
