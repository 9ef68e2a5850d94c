#pragma once

#include <span>

#include "catalog/code_entry.h"

namespace quenmar::catalog::mvs {

// The thirteen MVS range describers' tables, each in the MVS list's order.
std::span<const TextRow> mvspr1Table();
std::span<const TextRow> mvspr2Table();
std::span<const TextRow> mvspr3Table();
std::span<const TextRow> mvspr4Table();
std::span<const TextRow> mvspr5Table();
std::span<const TextRow> mvspr6Table();
std::span<const TextRow> mvspr7Table();
std::span<const TextRow> mvspr8Table();
std::span<const TextRow> mvspr9Table();
std::span<const TextRow> mvspr10Table();
std::span<const TextRow> mvspr11Table();
std::span<const TextRow> mvspr12Table();
std::span<const TextRow> mvspr13Table();

// mvspr1 to mvspr13: the N-th describer reads element N-1.
inline constexpr TextTable mvsprTables[] = {
    mvspr1Table, mvspr2Table, mvspr3Table,  mvspr4Table,  mvspr5Table,  mvspr6Table,  mvspr7Table,
    mvspr8Table, mvspr9Table, mvspr10Table, mvspr11Table, mvspr12Table, mvspr13Table,
};

}  // namespace quenmar::catalog::mvs
