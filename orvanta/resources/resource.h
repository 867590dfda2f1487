// Orvanta's resource identifiers.
#pragma once

#define IDI_PROGRAM 500
