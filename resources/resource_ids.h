// Identifiers of the dialog templates and their controls, shared by the
// resource scripts and the code.
#pragma once

// The settings dialog.
#define IDD_SETUP 100
