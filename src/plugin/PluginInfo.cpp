#include "plugin/PluginInfo.h"

namespace {
const PluginInfo kInfo = {
    static_cast<int32_t>(sizeof(PluginInfo)),
    u"Орлиск: Природный газ",
    kPluginVersion,
    u"Определение состава с оценкой неопределённости (ГОСТ 31371-2020). Вычисление теплоты сгорания, "
    u"плотности, относительной плотности и числа Воббе на основе компонентного состава(ГОСТ 31369 - 2021). "
    u"Определение метанового числа(ГОСТ 34704 - 2020)",
    u"ООО «Тарвел Аналитика»",
    u"support@tarvel-analytics.ru",
    u"© 2020-2026 ООО «Тарвел Аналитика». Все права защищены.",
    u"https://tarvel-analytics.ru",
    // {6f3d2a91-4c57-4e0b-9a1d-3b8e5c27f140}
    {0x6f3d2a91, 0x4c57, 0x4e0b, {0x9a, 0x1d, 0x3b, 0x8e, 0x5c, 0x27, 0xf1, 0x40}},
};
} // namespace

const PluginInfo& ThePluginInfo() {
    return kInfo;
}
