#pragma once

// Dates dd/mm/yyyy and the comma as decimal separator for the whole process,
// whatever the machine's regional settings.
namespace Formats {
void applyProcessFormats();
}
