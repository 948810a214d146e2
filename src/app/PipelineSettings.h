#pragma once

#include "document/TextPipeline.h"

namespace Lecterna {

class Settings;

// What the text pipeline takes from the settings (sections TxtParam, HtmlParam, Word97Param). The
// HTML rule length depends on the window and is left at its default for the caller to set.
TextSettings pipelineSettings(const Settings& settings);

} // namespace Lecterna
