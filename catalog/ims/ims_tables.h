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

// DL/I status code describers.
std::span<const TextRow> dlpro1Table();
std::span<const TextRow> dlpro2Table();
std::span<const TextRow> dlpro3Table();
std::span<const TextRow> dlpro4Table();
std::span<const TextRow> dlpro5Table();

}  // namespace quenmar::catalog::ims
