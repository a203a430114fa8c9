// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/display_commands.h"

#include "appearance/about_window.h"
#include "appearance/row_height_dialog.h"
#include "appearance/width_correction_dialog.h"
#include "core/display_rules.h"
#include "platform/dialog_frame.h"
#include "platform/grid_display.h"

#include <QFontDatabase>
#include <cstdlib>
#include <limits>

namespace zef {

namespace {

QColor qtColour(ColourValue value) {
    return QColor(colourRed(value), colourGreen(value), colourBlue(value));
}

// Offers `setting` in the colour dialog; a chosen colour repaints the grid.
void chooseRowColour(Context& context, GridDisplay& grid, ColourValue& setting) {
    const auto chosen = context.dialogs.chooseColour(qtColour(setting));
    if (!chosen)
        return;
    setting = colourValue(chosen->red(), chosen->green(), chosen->blue());
    grid.repaintGrid();
}

// "Fixedsys" where it is installed, else the installed family the desktop
// uses for fixed-pitch text, so the dialog finds it in its list.
QString fixedsysOrStandIn() {
    const QString fixedsys = QStringLiteral("Fixedsys");
    if (QFontDatabase::hasFamily(fixedsys))
        return fixedsys;
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
}

// Oblique counts as slanted: QFontDatabase::italic() is false for it, and a
// family may list "Oblique" before its upright "Book".
bool slanted(const QString& family, const QString& style) {
    return QFontDatabase::font(family, style, 8).style() != QFont::StyleNormal;
}

// The family's own name of the style nearest to a weight and slant: the font
// dialog selects a style by its name ("Regular", not "Normal").
QString nearestStyleName(const QString& family, int weight, bool italic) {
    QString nearest;
    int distance = std::numeric_limits<int>::max();
    for (const QString& style : QFontDatabase::styles(family)) {
        const int d = std::abs(QFontDatabase::weight(family, style) - weight) +
                      (slanted(family, style) == italic ? 0 : 1000);
        if (d < distance) {
            distance = d;
            nearest = style;
        }
    }
    return nearest;
}

// The fixed-pitch font in the size and style of the last choice of the run.
QFont fontDialogProposal(const std::optional<QFont>& lastChoice) {
    QFont font(fixedsysOrStandIn());
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(lastChoice ? lastChoice->pointSizeF() : 8.0);
    font.setWeight(lastChoice ? lastChoice->weight() : QFont::Normal);
    font.setItalic(lastChoice && lastChoice->italic());
    font.setStyleName(nearestStyleName(font.family(), font.weight(), font.italic()));
    return font;
}

} // namespace

void Kolortadlapodmiotwpotwierdzonych1Click(Context& context, GridDisplay& grid) {
    chooseRowColour(context, grid, context.state.colours.confirmed);
}

void Kolortadlapodmiotwusunitych1Click(Context& context, GridDisplay& grid) {
    chooseRowColour(context, grid, context.state.colours.deleted);
}

void Kolortadlapodmiotwzweryfikowanych1Click(Context& context, GridDisplay& grid) {
    chooseRowColour(context, grid, context.state.colours.verified);
}

void Kolortadlapodmiotwpozostaych1Click(Context& context, GridDisplay& grid) {
    chooseRowColour(context, grid, context.state.colours.other);
}

// The grid takes the chosen font whole, italic and script included, for
// this run; the settings keep its name, size and bold only.
void Czcionka1Click(Context& context, GridDisplay& grid, std::optional<QFont>& lastChoice) {
    const auto chosen = context.dialogs.chooseFont(fontDialogProposal(lastChoice));
    if (!chosen)
        return;
    lastChoice = *chosen;
    grid.setGridFont(*chosen);
}

void Korekcjaszerokocigwnegookna1Click(const QWidget& main, TFkorekcja& dialog) {
    dialog.showOver(main);
}

void Wysoko1Click(Context& context, const QWidget& main, const GridDisplay& grid,
                  TFwysokosc_wierszy& dialog) {
    dialog.showRowHeight(grid.gridRowHeight());
    centreOver(dialog, main);
    context.dialogs.runModal(dialog);
}

void Plikpomocy1Click(Context& context) {
    context.dialogs.messageBox(QStringLiteral("Pewnie kiedyś powstanie..."),
                               QStringLiteral("Plik pomocy"), Buttons::Ok, Icon::Information);
}

void Oprogramie1Click(Context& context, const QWidget& main, TForm5& about) {
    centreOver(about, main);
    context.dialogs.runModal(about);
}

} // namespace zef
