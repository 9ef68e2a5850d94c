#pragma once

#include <span>

#include "catalog/code_entry.h"

namespace quenmar::catalog::cics {

// The abend codes that the list lookup answers itself, before the describers, in the order
// it tests them.
std::span<const TextRow> inlineEntries();

// The thirteen CICS range describers' tables, each holding whole second letters of the codes.
std::span<const TextRow> cicspr1Table();
std::span<const TextRow> cicspr2Table();
std::span<const TextRow> cicspr3Table();
std::span<const TextRow> cicspr4Table();
std::span<const TextRow> cicspr5Table();
std::span<const TextRow> cicspr6Table();
std::span<const TextRow> cicspr7Table();
std::span<const TextRow> cicspr8Table();
std::span<const TextRow> cicspr9Table();
std::span<const TextRow> cicspr10Table();
std::span<const TextRow> cicspr11Table();
std::span<const TextRow> cicspr12Table();
std::span<const TextRow> cicspr13Table();

// cicspr1 to cicspr13: the N-th describer reads element N-1.
inline constexpr TextTable cicsprTables[] = {
    cicspr1Table,  cicspr2Table,  cicspr3Table,  cicspr4Table, cicspr5Table,
    cicspr6Table,  cicspr7Table,  cicspr8Table,  cicspr9Table, cicspr10Table,
    cicspr11Table, cicspr12Table, cicspr13Table,
};

}  // namespace quenmar::catalog::cics
