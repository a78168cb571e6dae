// The grid's cells as plain text files, one header per format: its own text format (GridOwnText.h),
// CSV (GridCsv.h), fixed-width columns and the aligned ASCII table (GridFixedAscii.h).
#pragma once

#include "grid/extras/GridCsv.h"
#include "grid/extras/GridFixedAscii.h"
#include "grid/extras/GridOwnText.h"
