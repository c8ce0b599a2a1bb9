// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/diagram/diagramnames.h"

#include "reading/catalogue.h"

namespace tavrel::ui {

QString pathLineName(Sephirah upper, Sephirah lower)
{
    return QStringLiteral("ln%1%2").arg(static_cast<int>(upper)).arg(static_cast<int>(lower));
}

QString pathLineName(TreePath path)
{
    const TreePathInfo &info = treePathInfo(path);
    return pathLineName(info.upper, info.lower);
}

QString cardLabelName(SunSign sign)
{
    return QStringLiteral("lbl") + sunSignName(sign);
}

} // namespace tavrel::ui
