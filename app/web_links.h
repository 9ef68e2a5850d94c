#pragma once

#include <QString>

namespace quenmar::links {

// Every address the program opens lies under the maker's reserved domain.
inline const QString kForumPage = QStringLiteral("https://forum.kestrune.example/index.php");
inline const QString kSalesSite = QStringLiteral("https://www.kestrune.example/");
inline const QString kInstallerDownload =
    QStringLiteral("https://forum.kestrune.example/downloads/quenmar-setup.exe");

// The two sponsors of the Help window, each named on the button that opens its site.
inline const QString kFirstSponsorName = QStringLiteral("Harbourline");
inline const QString kFirstSponsor = QStringLiteral("https://harbourline.kestrune.example/");
inline const QString kSecondSponsorName = QStringLiteral("Copperfield");
inline const QString kSecondSponsor = QStringLiteral("https://copperfield.kestrune.example/");

}  // namespace quenmar::links
