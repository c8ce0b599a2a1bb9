// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reading/vocabulary.h"

#include <QList>
#include <QString>

namespace tavrel {

// The details of a chakra, each in the form in which its own table gives it.
struct ChakraDetails
{
    QString name;
    QString description;
    QString symbol;
    QString sanskritName;
    QString keyword;
    QString colour;
};

// Details of a chakra, crown to root; nullptr for a value outside the seven.
const ChakraDetails *chakraDetails(Chakra chakra);

// One line of a chakra record: a heading (emphasised when shown) and its value.
struct RecordField
{
    QString heading;
    QString value;
    friend bool operator==(const RecordField &, const RecordField &) = default;
};
using ChakraRecord = QList<RecordField>;

// The record of a chakra in the order it is shown: name, description, symbol, Sanskrit name, keyword, colour.
// Empty for a value outside the seven.
ChakraRecord chakraRecord(Chakra chakra);

} // namespace tavrel
