#pragma once

namespace quenmar {

// The windows' pictures are compiled into the static library as Qt resources, which a
// static library must register before first use. Safe to call any number of times.
void registerPictures();

}  // namespace quenmar
