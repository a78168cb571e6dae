#pragma once
// Numbers of the texts the IEC 61850 client composes beyond the dialog's own (the client dialog's
// block of the text table, after its data-check texts).

namespace iec {

// "%s": a catalog file named by the table file is missing; the device keeps its place, empty.
inline constexpr int kTextCatalogMissing = 3268;
// "%s", "%s": a catalog file named by the table file cannot be decoded (file, reason).
inline constexpr int kTextCatalogUnreadable = 3269;
// "%s", "%s": a type refers back to itself (file, type id).
inline constexpr int kTextTypeRefersBack = 3270;
// "%s", "%d": the types nest deeper than the limit (file, levels).
inline constexpr int kTextModelTooDeep = 3271;
// "%s", "%d": the model would pass its budget (file, megabytes).
inline constexpr int kTextModelTooLarge = 3272;

}  // namespace iec
