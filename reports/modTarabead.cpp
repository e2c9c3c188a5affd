#include "reports/modTarabead.h"

#include <cstddef>
#include <utility>

#include "reports/modNakshatraInformation.h"
#include "reports/modReportText.h"

namespace tarabead::modTarabead {

std::array<std::string, CareLineCount> BenefitsList;
std::array<std::string, CareLineCount> DosList;
std::array<std::string, CareLineCount> DontsList;

namespace {

// The texts of reports/text/mukhis/01-Mukhi.md to 15-Mukhi.md.
constexpr std::array<std::string_view, MukhiCount> kTexts{
#include "MukhiTexts.inc"
};

// The text of reports/text/mukhis/planets.md: one reading per planet, under the planet's name.
constexpr std::string_view kPlanetReadings{
#include "PlanetReadings.inc"
};

// The short columns of one bead, and whether it prints the reading of its planet (else "NA").
struct ShortValues {
    std::string_view Name, Planet, Deity, Number, WearDay, Mantra, BodyParts, Ailments;
    bool HasPlanetReading;
};

// Name, planet, deity, number, day to wear, mantra, body parts, ailments and whether the planet's
// reading is printed, of mukhis 1 to 15.
constexpr std::array<ShortValues, MukhiCount> kShortValues{{
    {"One Mukhi Rudraksha", "Sun", "Lord Shiva", "1", "Monday", "Aum Hreem Namah. Om Namah Shivaya",
     "Thymus , Heart, Spine, Diaphragm, Veins, Blood, Eyes",
     "Chronic Asthma, TB, Paralysis, Heart Problems, Mental Anxiety, Eye problems, Bone Pain, "
     "Headache",
     true},
    {"Two Mukhi Rudraksha", "Moon", "ArdhaNareeshwara", "2", "Monday", "Aum Namah",
     "Breasts, Stomach, Lymphatic System, Non Blood fluid systems, Perspiration, Sympathetic "
     "Nervous System, Saliva",
     "Impotency, Lack of Concentration, Renal Failure, Stress, Anxiety, Depression, Eye Problems, "
     "Mental Instability, Hysteria, Intestinal Disorder",
     true},
    {"Three Mukhi Rudraksha", "Mars", "God Agni", "9", "Monday",
     "Aum Kleem Namah, Om Namah Shivaya",
     "Adrenal Glands, Sex Glands, Red Blood Cells, Stomach Disorders, Blood Pressure Disorders",
     "Depression, Schizophrenia, Psychosis, Blood Pressure, Menstruation, Mood Swings, Fever, "
     "Jaundice",
     true},
    {"Four Mukhi Rudraksha", "Mercury", "God Brahma", "5", "Monday", "Aum Hreem Namah",
     "Arms, Brain Disorders, Hands, Lungs, Sensory organs, Thyroid Glands",
     "Blood Circulation, Cough, Brain Disorders, Asthma, Respiratory Problems, Paralysis", true},
    {"Five Mukhi Rudraksha", "Jupiter", "Lord Shiva", "3", "Monday", "Aum Hreem Namah",
     "Liver, Gallbladder, Pituitary Glands, Blood Pressure Disorders",
     "Blood Pressure, Mental Instability, Obesity, Heart Problems, Stress, Anger Management, "
     "Diabetes, Piles, Neurotic Problems, Constipation",
     true},
    {"Six Mukhi Rudraksha", "Venus", "Lord Kartikeya", "6", "Monday", "Aum Hreem Hum Namah",
     "Neck, Kidneys, Throat, sexual organs, Thyroid Glands",
     "Epilepsy, Gynecological Problem, Hysteria, Reproductive Problems", true},
    {"Seven Mukhi Rudraksha", "Saturn", "Goddess Mahalaxmi", "8", "Monday", "Aum Hum Namah",
     "Spleen, Skeletal system, Cartilage, Skin, Pituitary Glands, Impotency",
     "Asthma, Pharyngitis, Impotency, Respiratory Disorder", true},
    {"Eight Mukhi Rudraksha", "Rahu", "Lord Ganesh", "4", "Monday",
     "Aum Hum Namah, Om Ganeshaya Namah", "Lungs , Feet, Skin, Eyes",
     "Stomachache, Stress, Skin diseases, Anxiety, Sleep Disorders", false},
    {"Nine Mukhi Rudraksha", "Ketu", "Goddess Durga", "7", "Monday",
     "Aum Hreem Hum Namah,Nav Durgayai Namah", "Lungs , Skin, Eyes",
     "Skin Problems, Body Pain, Fever, Bowel Problems", false},
    {"Ten Mukhi Rudraksha", "NA", "Lord Vishnu", "NA", "Sunday",
     "Aum Hreem Namah, Shree Narayanaaye Namah, Shree Vishnavai Namah", "Brain , Skin, Blood",
     "Hormonal Imbalance, Whooping Cough", false},
    {"Eleven Mukhi Rudraksha", "NA", "Lord Hanuman", "NA", "Monday",
     "Aum Hreem Hum Namah.Om Shree Rudray Namah", "Nervous System Disorders",
     "Body Pain, Back Ache, Liver Diseases", false},
    {"Twelve Mukhi Rudraksha", "Sun", "Lord Sun", "NA", "Monday",
     "Aum Kraum Ksaum Raum Namah, Shree Suryay Namah",
     "Thymus , Heart, Spine, Diaphragm, Veins, Blood, Eyes",
     "Anxiety, Mental Illness, Bone Diseases, Rickets, Osteoporosis", true},
    {"Thirteen Mukhi Rudraksha", "Venus", "Lord Kamadeva", "NA", "Monday", "Aum Hreem Namah",
     "Neck, Kidneys, Throat, Sexual organs, Thyroid Glands", "Muscle Diseases", true},
    {"Fourteen Mukhi Rudraksha", "Saturn", "Lord Shiva", "NA", "Monday", "Aum Namah",
     "Spleen, Skeletal system, Cartilage, Skin, Pituitary Glands", "Brain Diseases", true},
    {"Fifteen Mukhi Rudraksha", "NA", "Lord Pashupati", "NA", "Monday", "Om Namah Shivaye",
     "Brain, Nervous System", "Skin Diseases, Fertility Problems, Thinking, Concentration", false},
}};

// The prose columns, by their headings in a bead's text.
constexpr std::string_view kDescription = "Description", kRitual = "Ritual";

constexpr MukhiRow WithProse(const ShortValues& v, std::string_view text) {
    using modReportText::Section;
    modReportText::CheckHeadings(text, {kDescription, kRitual});
    if (modReportText::Title(text) != v.Name) {
        throw modReportText::TextFault("a bead text's title is not the name of its row");
    }
    return {v.Name,
            Section(text, kDescription),
            v.Planet,
            v.HasPlanetReading ? Section(kPlanetReadings, v.Planet) : "NA",
            v.Deity,
            v.Number,
            v.WearDay,
            v.Mantra,
            v.BodyParts,
            v.Ailments,
            Section(text, kRitual)};
}

template <std::size_t... Row>
constexpr std::array<MukhiRow, MukhiCount> BuildTable(std::index_sequence<Row...>) {
    modReportText::CheckHeadings(kPlanetReadings,
                                 {"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"});
    return {{WithProse(kShortValues[Row], kTexts[Row])...}};
}

// Built while compiling: a fault in a text stops the build.
constexpr std::array<MukhiRow, MukhiCount> kTable =
    BuildTable(std::make_index_sequence<MukhiCount>());

// The beads recommended for the nakshatras of each ruling planet, in report order.
constexpr int kKetu[] = {9};
constexpr int kVenus[] = {6};
constexpr int kSun[] = {1, 11, 12};
constexpr int kMoon[] = {2};
constexpr int kMars[] = {3};
constexpr int kRahu[] = {8};
constexpr int kJupiter[] = {5};
constexpr int kSaturn[] = {7};
constexpr int kMercury[] = {4};

struct PlanetChoice {
    std::string_view Planet;
    std::span<const int> Mukhis;
};

constexpr std::array<PlanetChoice, 9> kChoices{{
    {"Ketu", kKetu},
    {"Venus", kVenus},
    {"Sun", kSun},
    {"Moon", kMoon},
    {"Mars", kMars},
    {"Rahu", kRahu},
    {"Jupiter", kJupiter},
    {"Saturn", kSaturn},
    {"Mercury", kMercury},
}};

constexpr std::array<std::string_view, CareLineCount> kBenefits{
    "Benefits of Rudraksh",
    "1.Rudraksh beads help overcome problems and difficult periods in life.",
    "2.They have no negative effects like gemstones.",
    "3.Rudraksh beads have many medicinal and spiritual properties.",
    "4.They have electric and magnetic properties that get enhanced when worn with metal.",
    "5.Rudraksh beads also give you peace of mind, better concentration and have good healing "
    "powers.",
};

constexpr std::array<std::string_view, CareLineCount> kDos{
    "Do 's  for keeping Rudraksh",
    "1.Clean them with brushes that have soft bristles.",
    "2.Oil the beads regularly with mustard oil.",
    "3.Keep them in a clean and holy place.",
    "4.They are lucky and can be hung in front of homes and temple doors.",
    "5.Keep them in the holy place of worship so that the whole house is filled with positive "
    "energy.",
};

constexpr std::array<std::string_view, CareLineCount> kDonts{
    "Dont 's  for keeping Rudraksh",
    "1.Don't wear rudraksh beads while sleeping.",
    "2.Do not use someone else's Rudraksh mala.",
    "3.Remove the beads while having a bath.",
    "4.Do not wear the beads like a ring on your fingers.",
    "5.The rosary beads used for chanting mantra should not be worn on the body.",
};

}  // namespace

std::span<const MukhiRow, MukhiCount> MukhiTable() { return kTable; }

std::optional<std::span<const int>> MukhiChoice(std::string_view nakshatraName) {
    const auto* nakshatra = modNakshatraInformation::FindNakshatra(nakshatraName);
    if (nakshatra == nullptr) return std::nullopt;
    for (const PlanetChoice& choice : kChoices) {
        if (choice.Planet == nakshatra->RulingPlanet) return choice.Mukhis;
    }
    return std::nullopt;
}

void LoadRudrakshaCare() {
    for (std::size_t line = 0; line < CareLineCount; ++line) {
        BenefitsList[line] = kBenefits[line];
        DosList[line] = kDos[line];
        DontsList[line] = kDonts[line];
    }
}

}  // namespace tarabead::modTarabead
