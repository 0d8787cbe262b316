// The program's version: the tray's tip, the About page and the name of
// the distribution archive (scripts/dist reads it here).
#pragma once

#define BLINKERY_VERSION "2.5"
