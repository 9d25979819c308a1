#pragma once

namespace tarvel {

// The two ways the menus print (printloadinglist, listeyazdir), numbered as
// the program always has.
enum class PrintMode {
    Preview = 1, // "Önizleme": each form in the preview window
    Print = 2,   // "Yazdır": each form on the printer, as many copies as set
};

} // namespace tarvel
