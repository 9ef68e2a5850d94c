#pragma once

#include <span>

#include "catalog/code_entry.h"

namespace quenmar::catalog::ims {

// IMS system abend describers; the numbering skips 11.
std::span<const TextRow> imspr1Table();
std::span<const TextRow> imspr2Table();
std::span<const TextRow> imspr3Table();
std::span<const TextRow> imspr4Table();
std::span<const TextRow> imspr5Table();
std::span<const TextRow> imspr6Table();
std::span<const TextRow> imspr7Table();
std::span<const TextRow> imspr8Table();
std::span<const TextRow> imspr9Table();
std::span<const TextRow> imspr10Table();
std::span<const TextRow> imspr12Table();

// imspr1 to imspr10, then imspr12: eleven tables for twelve numbers.
inline constexpr TextTable imsprTables[] = {
    imspr1Table, imspr2Table, imspr3Table, imspr4Table,  imspr5Table,  imspr6Table,
    imspr7Table, imspr8Table, imspr9Table, imspr10Table, imspr12Table,
};

// DL/I status code describers.
std::span<const TextRow> dlpro1Table();
std::span<const TextRow> dlpro2Table();
std::span<const TextRow> dlpro3Table();
std::span<const TextRow> dlpro4Table();
std::span<const TextRow> dlpro5Table();

// dlpro1 to dlpro5: the N-th describer reads element N-1.
inline constexpr TextTable dlproTables[] = {
    dlpro1Table, dlpro2Table, dlpro3Table, dlpro4Table, dlpro5Table,
};

}  // namespace quenmar::catalog::ims
