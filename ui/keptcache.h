// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QSize>
#include <QString>

#include <functional>

namespace tavrel::ui {

// Calls `release` when the application object goes, first thing in its destructor, while the fonts and the window
// system are still there: the one way for what the windows keep beyond a window (fonts, laid-out texts, pictures)
// to go before the application does. Each call adds a release for the application object of the time.
void releaseWithApplication(std::function<void()> release);

// What a kept text was made from, the key of the caches of measured and laid-out texts: the text, its font, the
// resolution it is drawn at, the box it is laid out in and its alignment and wrapping flags. What a cache does not
// depend on stays at its default.
struct TextKey
{
    QString text;
    QFont font;
    int dpi = 0;
    qreal ratio = 1;
    QSize box{};
    int flags = 0;

    friend bool operator==(const TextKey &, const TextKey &) = default;
    friend size_t qHash(const TextKey &key, size_t seed = 0)
    {
        return qHashMulti(seed, key.text, key.font, key.dpi, key.ratio, key.box, key.flags);
    }
};

// What the windows keep from one window to the next: values that are costly to make again (measured or laid-out
// texts, scaled pictures), looked up by what they were made from. It holds at most `limit` values and starts
// afresh beyond that. It is emptied when the application object goes (releaseWithApplication), since the fonts and
// pictures it holds must go before it. It lives as long as the program: make it a function's static.
template<typename Key, typename Value> class KeptCache
{
public:
    explicit KeptCache(qsizetype limit)
        : m_limit(limit)
    { }

    KeptCache(const KeptCache &) = delete;
    KeptCache &operator=(const KeptCache &) = delete;

    // The value kept for `key`, made by `make()` if there is none. Valid until the next call.
    template<typename Make> const Value &get(const Key &key, Make &&make)
    {
        if (const auto known = m_values.constFind(key); known != m_values.cend())
            return *known;
        if (m_values.size() >= m_limit)
            m_values.clear();
        if (!m_releasing) {
            m_releasing = true;
            releaseWithApplication([this] {
                m_values.clear();
                m_releasing = false;
            });
        }
        return *m_values.insert(key, make());
    }

private:
    QHash<Key, Value> m_values;
    qsizetype m_limit;
    bool m_releasing = false; // with the application object of the time
};

} // namespace tavrel::ui
