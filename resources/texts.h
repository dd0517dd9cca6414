// The texts of the rules and information panels, compiled in from resources/*.txt.
#pragma once

#include <string_view>

namespace kaldora {

std::string_view RulesText();        // txtSpielregeln
std::string_view InformationText();  // txtInformation

}  // namespace kaldora
