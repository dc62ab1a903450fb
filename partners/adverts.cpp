// The built-in partner-link records and their looks-up.
#include "partners/adverts.h"

#include <array>

namespace vantrel {

namespace {

// The admitted offsets of the shop and book records: the Americas, Western
// Europe and the far east.
constexpr quint32 kShopZones =
    zoneHours(-12, -3) | zoneHours(0, 1) | zoneHours(4, 6) | zoneHours(8, 10);
constexpr quint32 kAllZones = zoneHours(-12, 12);

// A line feed first puts a text on the second banner line, right above the link.
const std::array<AdRec, kAdCount>& table() {
    static const std::array<AdRec, kAdCount> ads = {{
        {QStringLiteral("Important: Real frame size value highly depends on image complexity, "
                        "lens and CCD/CMOS quality. For detailed explanation, please visit:"),
         QString(), QStringLiteral("https://www.vantrel.example/framesize.html?ref=vantrel-app"),
         QStringLiteral("www.vantrel.example/framesize.html"), 0, kAllZones, 10},
        {QStringLiteral("Внимание: реальный размер кадра сильно зависит от многих факторов. "
                        "Для более подробного пояснения посетите:"),
         QString(), QStringLiteral("https://www.vantrel.example/ru/framesize.html?ref=vantrel-app"),
         QStringLiteral("www.vantrel.example/ru/framesize.html"), 25, zoneHours(3, 12), 10},
        {QStringLiteral("\nDiscount CCTV's In-Stock/Ready to Ship"),
         QStringLiteral("\nLargest Selection of CCTV's on the Web"),
         QStringLiteral("https://www.camharbor.example/ip-cameras/?partner=VTR3021"),
         QStringLiteral("www.camharbor.example/ip-cameras/"), 0, kShopZones, 7},
        {QStringLiteral("\nSpyGear4U - Spy and security equipment"),
         QStringLiteral("Whant to know what is going on when you are not there?"),
         QStringLiteral("https://www.spygear4u.example/security/?aff=vantrel17"),
         QStringLiteral("www.spygear4u.example/security/"), 0, zoneHours(-12, -3), 2},
        {QStringLiteral("Best CCTV books. Best world famous authors: "
                        "Harold Penwick, Marta Quillon, Desmond Arkwright"),
         QStringLiteral("Need to know more about computer networking or WIFI security? "
                        "Buy a book right now!"),
         QStringLiteral("https://books.pagewharf.example/cctv-security/?assoc=vantrel-20"),
         QStringLiteral("books.pagewharf.example/cctv-security/"), 0, kShopZones, 4},
        {QStringLiteral("Same day shipping of IP cameras and network switches from "
                        "camharbor.example"),
         QStringLiteral("Same Day Shipping from camharbor.example"),
         QStringLiteral("https://www.camharbor.example/same-day/?partner=VTR3022"),
         QStringLiteral("www.camharbor.example/same-day/"), 9, zoneHours(-12, -3), 2},
        {QStringLiteral("\nVideo surveillance software tests and reviews. Have a look!"), QString(),
         QStringLiteral("https://www.vantrel.example/software-reviews.html"),
         QStringLiteral("www.vantrel.example/software-reviews.html"), 0, kAllZones, 2},
        {QStringLiteral("\nHave a look on IP cameras at Amazon!"), QString(),
         QStringLiteral("https://www.riverbend-store.example/ip-cameras/?tag=vantrel-20"),
         QStringLiteral("www.riverbend-store.example/ip-cameras/"), 9, kAllZones, 4},
        {QStringLiteral("\nKaufen Sie CCTV Buecher und Netzwerk Kameras jetzt!"), QString(),
         QStringLiteral("https://www.buecherhalle.example/cctv-kameras/?partnerid=vantrel"),
         QStringLiteral("www.buecherhalle.example/cctv-kameras/"), 7, zoneHours(0, 2), 6},
        {QStringLiteral("\nСамый большой интернет магазин компьютерной техники"), QString(),
         QStringLiteral("https://www.tekhnomir.example/?ref=vantrel"),
         QStringLiteral("www.tekhnomir.example/"), 25, kAllZones, 4},
        {QStringLiteral("\nКупите книгу в интернет магазине и узнайте больше об сетевых "
                        "технлогиях"),
         QString(),
         QStringLiteral("https://www.knizhny-ryad.example/catalog/networks/?partner=vantrel"),
         QStringLiteral("www.knizhny-ryad.example/catalog/networks/"), 25, kAllZones, 4},
        {QStringLiteral("\nРазместите здесь Ваше рекламное объявление."), QString(),
         QStringLiteral("https://www.vantrel.example/advertise.html"),
         QStringLiteral("www.vantrel.example/advertise.html"), 25, zoneHours(3, 12), 1},
        {QStringLiteral("\nBecame our partner and put your advert here!"), QString(),
         QStringLiteral("https://www.vantrel.example/advertise.html"),
         QStringLiteral("www.vantrel.example/advertise.html"), 0,
         zoneHours(0, 2) | zoneHours(4, 6) | zoneHours(8, 10), 1},
    }};
    return ads;
}

} // namespace

const AdRec& builtInAd(int number) {
    Q_ASSERT(number >= 1 && number <= kAdCount);
    return table()[std::size_t(number - 1)];
}

} // namespace vantrel
