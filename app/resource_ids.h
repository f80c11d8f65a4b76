// Identifiers shared by the resource script and the code that loads the resources.
#pragma once

#define COUPONPASTE_ICON 1
