#pragma once

#include <optional>
#include <ostream>

#include "core/run/PaperVersions.h"
#include "tool/ToolContext.h"

// The options print and grade share: --versions N, --seed S and
// --shuffle questions,answers. Nothing (after a message on err) when one is
// not understood; a missing seed is drawn afresh when drawSeed is set.
std::optional<PaperVersions::TOptions> PaperOptions(const TToolContext& context, bool drawSeed);
