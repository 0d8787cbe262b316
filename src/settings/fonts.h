// The display font and the title-bar font as GDI fonts.
#pragma once

#include "settings/settings.h"
#include "platform/fonts.h"
#include "platform/system_info.h"

// The CreateFont parameters of a font object; logPixelsY converts points.
platform::FontParams GdiFontParams(const TFont& font, int32_t logPixelsY);

// Makes the GDI font for `use` from font (the one it replaces is freed).
void BuildGdiFont(const TFont& font, platform::FontUse use, platform::FontFactory& fonts);

// Both GDI fonts of the record.
void BuildGdiFonts(TGVar& g, platform::FontFactory& fonts);

// Takes the title-bar font, its colour and the strip's background from the
// system's caption metrics, and rebuilds the title-bar GDI font. Without
// colours the two colours stay as they are (the settings file's, whose
// defaults are those same system colours).
void DefaultTitleBarFont(TGVar& g, platform::SystemInfo& system, platform::FontFactory& fonts, bool colours = true);
