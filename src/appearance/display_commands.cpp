// The main window's display settings, about and help commands.
#include "appearance/about_window.h"
#include "appearance/display_rules.h"
#include "appearance/row_height_dialog.h"
#include "appearance/width_correction_dialog.h"
#include "mainwindow/grid_widget.h"
#include "mainwindow/main_window.h"

#include <QFontDatabase>
#include <cstdlib>
#include <limits>

namespace zef {

namespace {

QColor qtColour(ColourValue value) {
    return QColor(colourRed(value), colourGreen(value), colourBlue(value));
}

// Offers `setting` in the colour dialog; true when the user chose a colour.
bool chooseRowColour(Dialogs& dialogs, ColourValue& setting) {
    const auto chosen = dialogs.chooseColour(qtColour(setting));
    if (!chosen)
        return false;
    setting = colourValue(chosen->red(), chosen->green(), chosen->blue());
    return true;
}

// "Fixedsys" where it is installed, else the installed family the desktop
// uses for fixed-pitch text, so the dialog finds it in its list.
QString fixedsysOrStandIn() {
    const QString fixedsys = QStringLiteral("Fixedsys");
    if (QFontDatabase::hasFamily(fixedsys))
        return fixedsys;
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
}

// The family's own name of the style nearest to a weight and slant: the font
// dialog selects a style by its name ("Regular", not "Normal").
QString nearestStyleName(const QString& family, int weight, bool italic) {
    QString nearest;
    int distance = std::numeric_limits<int>::max();
    for (const QString& style : QFontDatabase::styles(family)) {
        const int d = std::abs(QFontDatabase::weight(family, style) - weight) +
                      (QFontDatabase::italic(family, style) == italic ? 0 : 1000);
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

// Centres a dialog over the window it belongs to.
void placeOver(QWidget& dialog, const QWidget& owner) {
    dialog.move(owner.frameGeometry().center() - dialog.rect().center());
}

} // namespace

void TForm1::Kolortadlapodmiotwpotwierdzonych1Click() {
    if (chooseRowColour(ctx_.dialogs, ctx_.state.colours.confirmed))
        repaintGrid();
}

void TForm1::Kolortadlapodmiotwusunitych1Click() {
    if (chooseRowColour(ctx_.dialogs, ctx_.state.colours.deleted))
        repaintGrid();
}

void TForm1::Kolortadlapodmiotwzweryfikowanych1Click() {
    if (chooseRowColour(ctx_.dialogs, ctx_.state.colours.verified))
        repaintGrid();
}

void TForm1::Kolortadlapodmiotwpozostaych1Click() {
    if (chooseRowColour(ctx_.dialogs, ctx_.state.colours.other))
        repaintGrid();
}

// The grid takes the chosen font whole, italic and script included, for
// this run; the settings keep its name, size and bold only.
void TForm1::Czcionka1Click() {
    const auto chosen = ctx_.dialogs.chooseFont(fontDialogProposal(fontDialogChoice_));
    if (!chosen)
        return;
    fontDialogChoice_ = *chosen;
    StringGrid1->setFont(*chosen);
    repaintGrid();
}

void TForm1::Korekcjaszerokocigwnegookna1Click() {
    ctx_.forms.fKorekcja->showOver(*this);
}

void TForm1::Wysoko1Click() {
    TFwysokosc_wierszy& dialog = *ctx_.forms.fWysokoscWierszy;
    dialog.showRowHeight(StringGrid1->defaultRowHeight());
    placeOver(dialog, *this);
    ctx_.dialogs.runModal(dialog);
}

// After a column border was dragged the window fits the columns again.
void TForm1::StringGrid1MouseUp() {
    const long long wanted = static_cast<long long>(StringGrid1->columnSum()) +
                             ctx_.state.widthCorrection + kMainWindowWidthAllowance;
    if (wanted != width())
        requestSize(saturatedWidth(wanted), height());
}

void TForm1::Plikpomocy1Click() {
    ctx_.dialogs.messageBox(QStringLiteral("Pewnie kiedyś powstanie..."),
                            QStringLiteral("Plik pomocy"), Buttons::Ok, Icon::Information);
}

void TForm1::Oprogramie1Click() {
    TForm5& about = *ctx_.forms.form5;
    placeOver(about, *this);
    ctx_.dialogs.runModal(about);
}

} // namespace zef
