#include "window_style.h"

#include "glyphs.h"

QIcon WindowStyle::standardIcon(StandardPixmap picture, const QStyleOption *option,
                                const QWidget *widget) const {
    if (picture == SP_ToolBarHorizontalExtensionButton) {
        return glyphs::icon(glyphs::Glyph::More);
    }
    return QProxyStyle::standardIcon(picture, option, widget);
}
