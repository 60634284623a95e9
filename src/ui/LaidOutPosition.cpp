#include "ui/LaidOutPosition.h"

#include "session/Coordinates.h"

#include <QSettings>
#include <QStringList>

namespace wuzi {

namespace {

const char* const kBlack = "setUp/black";
const char* const kWhite = "setUp/white";
const char* const kBlackToMove = "setUp/blackToMove";

std::optional<std::vector<Cell>> cellsOf(const QVariant& value) {
    std::vector<Cell> cells;
    for (const QString& name : value.toStringList()) {
        std::optional<Cell> c = ParseCoordinate(name.toStdString());
        if (!c) return std::nullopt;
        cells.push_back(*c);
    }
    return cells;
}

QStringList namesOf(const std::vector<Cell>& cells) {
    QStringList names;
    for (Cell c : cells)
        names << QString::fromStdString(CoordinateText(c));
    return names;
}

} // namespace

HandPosition ReadLaidOutPosition(const QSettings& settings) {
    std::optional<std::vector<Cell>> black = cellsOf(settings.value(kBlack));
    std::optional<std::vector<Cell>> white = cellsOf(settings.value(kWhite));
    if (!black || !white) return {};
    HandPosition position{*black, *white, settings.value(kBlackToMove, true).toBool()};
    if (CheckPosition(position) == PositionProblem::Stones) return {};
    return position;
}

void WriteLaidOutPosition(QSettings& settings, const HandPosition& position) {
    settings.setValue(kBlack, namesOf(position.black));
    settings.setValue(kWhite, namesOf(position.white));
    settings.setValue(kBlackToMove, position.blackToMove);
}

} // namespace wuzi
