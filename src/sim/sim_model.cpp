#include "sim/sim_model.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<SimModel, const char*>, 4> ShortNames{{
    {SimModel::Korvanta10, "10"},
    {SimModel::Korvanta10C, "10C"},
    {SimModel::Korvanta10CX, "10C-X"},
    {SimModel::Korvanta10CXH, "10C-X-H"},
}};

} // namespace

std::optional<SimModel> simModelFromShortName(const QString& shortName) {
    for (const auto& [model, name] : ShortNames)
        if (shortName.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return model;
    return std::nullopt;
}

QString simModelName(SimModel model) {
    for (const auto& [m, name] : ShortNames)
        if (m == model)
            return QStringLiteral("Korvanta") + QLatin1String(name);
    return {};
}
