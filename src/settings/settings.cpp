#include "settings/settings.h"

// The live record, zero until start-up reads the settings file.
TGVar Settings;
