// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/vocabulary.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tavrel {

// The prose paragraphs of a reading: one per sphere, archangel, path and sign. They are data compiled into the
// program and read once; every later load returns the same content.
class DescriptionCatalogue
{
public:
    // The shared catalogue, filled on first use.
    static const DescriptionCatalogue &instance();

    QString SphereText(Sephirah sephirah) const;
    QString AngelText(Archangel angel) const;
    QString PathText(TreePath path) const;
    QString PathText(int number) const; // 1 ... 12; "" for any other number
    QString SignText(SunSign sign) const;

    // What was wrong with the data when it was read: missing, extra or misplaced keys, paragraphs that are
    // not a single line of plain text of the right length. Empty for sound data; each problem is also written
    // to the log as a warning when the catalogue is read.
    QStringList problems() const { return m_problems; }

    static constexpr qsizetype MinimumLength = 310;
    static constexpr qsizetype MaximumLength = 883;

    // Reads the catalogue from the files in `folder` (the compiled-in data by default). Exposed for tests; use
    // instance().
    static DescriptionCatalogue load(const QString &folder = QStringLiteral(":/descriptions"));

private:
    std::array<QString, SephirahCount> m_spheres;
    std::array<QString, ArchangelCount> m_angels;
    std::array<QString, TreePathCount> m_paths;
    std::array<QString, SunSignCount> m_signs;
    QStringList m_problems;
};

// Makes sure the catalogue is filled. Cheap after the first call.
void LoadDescriptions();

} // namespace tavrel
