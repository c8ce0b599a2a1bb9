// SPDX-FileCopyrightText: 2026 The Tavrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/chakras.h"

#include <array>

namespace tavrel {

namespace {

const std::array<ChakraDetails, ChakraCount> &detailsTable()
{
    static const std::array<ChakraDetails, ChakraCount> table{{
        {QStringLiteral("Sahasrara"),
         QStringLiteral("This chakra is all about perception and intelligence and your spiritual nature."),
         QStringLiteral("Beautiful one Thousand Rainbow Colored Petals."), QStringLiteral("Sahasrara (thousand-fold)"),
         QStringLiteral("Kundalini Shakti rises up the spinal column to unite with Shiva here. One understands "
                        "Non-Duality, Lives in an Extended State of Consciousness and Attains illumination"),
         QStringLiteral("Violet")},
        {QStringLiteral("Ajna"), QStringLiteral("This state governs the nature of approach and vision of a person."),
         QStringLiteral("Circle, 2 Luminous Petals in which all the Elements are pooled."),
         QStringLiteral("Ajna (perceive, to know)"),
         QStringLiteral("Transcending Senses, Experiencing God-In-Self or Atman"), QStringLiteral("Indigo")},
        {QStringLiteral("Vishuddha"),
         QStringLiteral(
             "This chakra is all about expressing oneself and speaking the truth with a clear voice. When it "
             "is open, a person communicates with confidence and listens to others with the same care."),
         QStringLiteral("White Circle (Lunar Circle - Pure Cosmic Sound) enclosed by 16 Purple-Gray Petals."),
         QStringLiteral("Visuddha (purification)"), QStringLiteral("Ego"), QStringLiteral("Blue")},
        {QStringLiteral("Anahata"),
         QStringLiteral(
             "World treats heart as the symbol of love, and this chakra is indeed the centre of love, "
             "compassion and acceptance. It joins the lower chakras to the higher ones and lets a person give "
             "and receive affection freely."),
         QStringLiteral("Green-Gray Star (Smoky-Green as Smoke Pervades the Air), covered by 12 Red Petals."),
         QStringLiteral("Anahata (unstruck; the fresh, clean sound made without striking two things)"),
         QStringLiteral("Impatience"), QStringLiteral("Green")},
        {QStringLiteral("Manipura"),
         QStringLiteral(
             "The name itself suggests the location of this chakra, the lustrous gem at the navel that is the "
             "seat of personal power. It governs will, self-esteem and digestion, and gives a person the "
             "energy to act on his decisions."),
         QStringLiteral("Fiery Red Triangle, surrounded by 10 Blue Petals."), QStringLiteral("Manipura (lustrous gem)"),
         QStringLiteral("Irritation"), QStringLiteral("Yellow")},
        {QStringLiteral("Swadhisthanna"),
         QStringLiteral("This chakra is located just above the root chakra, which controls or stimulates the sexual "
                        "desires, emotions and creativity."),
         QStringLiteral("Blue Crescent Moon, covered by 6 Red Petals and earth filled with encircling water."),
         QStringLiteral("Svadhisthana (sweetness)"), QStringLiteral("Purity and Attachments"),
         QStringLiteral("Orange")},
        {QStringLiteral("Muladhara"),
         QStringLiteral("This chakra is the root center at the bottom part of spine, which makes a person feel his "
                        "physical strength and his survival instincts."),
         QStringLiteral("Yellow Yantra Square, covered by Four Red Petals represents the Four Directions of Earth."),
         QStringLiteral("Muladhara (root)"), QStringLiteral("Patience and Greediness"), QStringLiteral("Red")},
    }};
    return table;
}

} // namespace

const ChakraDetails *chakraDetails(Chakra chakra)
{
    const int index = static_cast<int>(chakra);
    if (index < 0 || index >= ChakraCount)
        return nullptr;
    return &detailsTable()[static_cast<std::size_t>(index)];
}

ChakraRecord chakraRecord(Chakra chakra)
{
    const ChakraDetails *details = chakraDetails(chakra);
    if (!details)
        return {};
    return {
        {QStringLiteral("Chakras Name "), details->name}, {QStringLiteral("Description "), details->description},
        {QStringLiteral("Symbol "), details->symbol},     {QStringLiteral("Sanskrit Name "), details->sanskritName},
        {QStringLiteral("Keyword "), details->keyword},   {QStringLiteral("Color "), details->colour},
    };
}

} // namespace tavrel
