#pragma once

namespace tarvel {

// How the report models read the ERP.
//  - Sets: a run reads what it needs in sets (cards, lines, purchases of many
//    references per statement) and answers its per-row questions from memory.
//  - Verbatim: one statement per row, exactly as the screens have always sent
//    them; kept to diagnose and to prove that both give the same lists.
enum class ReadMode { Sets, Verbatim };

// The window's choice: TARVEL_VERBATIM_SQL=1 in the environment chooses Verbatim.
ReadMode readModeOfEnvironment();

} // namespace tarvel
