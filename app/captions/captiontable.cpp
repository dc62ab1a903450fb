// The Russian captions of the main window's controls.
#include "app/captions/captiontable.h"

namespace vantrel {

// In "Размер кадра,Kб" the K is Latin, as is "FPS" in "Сум.FPS".
const std::array<CaptionEntry, kCaptionCount>& captionTable() {
    static const std::array<CaptionEntry, kCaptionCount> table = {{
        {QStringLiteral("btnAdd.Caption"), QStringLiteral("Добавить")},
        {QStringLiteral("btnRemove.Caption"), QStringLiteral("Удалить")},
        {QStringLiteral("lbFPS.Caption"), QStringLiteral("Сум.FPS")},
        {QStringLiteral("lbBand.Caption"), QStringLiteral("Трафик,Мбит/с")},
        {QStringLiteral("lbDisk.Caption"), QStringLiteral("Сум.объем,Гб")},
        {QStringLiteral("cResolution.Caption"), QStringLiteral("Разрешение")},
        {QStringLiteral("cCompression.Caption"), QStringLiteral("Видеосжатие")},
        {QStringLiteral("cFrameSize.Caption"), QStringLiteral("Размер кадра,Kб")},
        {QStringLiteral("cFPS.Caption"), QStringLiteral("FPS")},
        {QStringLiteral("cDays.Caption"), QStringLiteral("Суток")},
        {QStringLiteral("cCamNum.Caption"), QStringLiteral("Камер")},
        {QStringLiteral("cBand.Caption"), QStringLiteral("Трафик,Мб/с")},
        {QStringLiteral("cSize.Caption"), QStringLiteral("Объем,Гб")},
        {QStringLiteral("lbTotal.Caption"), QStringLiteral("ИТОГО:")},
        {QStringLiteral("tsCalc.Caption"), QStringLiteral("Трафик и Объем диска")},
        {QStringLiteral("tsFocus.Caption"), QStringLiteral("Объектив и угол обзора")},
        {QStringLiteral("lbCCD.Caption"), QStringLiteral("Размер матрицы камеры")},
        {QStringLiteral("lbAngle.Caption"), QStringLiteral("Угол обзора(в градусах)")},
        {QStringLiteral("lbFocalLen.Caption"), QStringLiteral("Фокусное расстояние(мм)")},
        {QStringLiteral("btnSave.Caption"), QStringLiteral("Сохранить")},
        {QStringLiteral("btnLoad.Caption"), QStringLiteral("Загрузить")},
        {QStringLiteral("lbObjDistance.Caption"), QStringLiteral("Расстояние до объекта")},
        {QStringLiteral("lbWidth.Caption"), QStringLiteral("Ширина")},
        {QStringLiteral("lbScale.Caption"), QStringLiteral("Масштаб")},
        {QStringLiteral("lbObjHeight.Caption"), QStringLiteral("Высота объекта")},
        {QStringLiteral("lbCamHeight.Caption"), QStringLiteral("Высота камеры")},
        {QStringLiteral("lbCamAngle.Caption"), QStringLiteral("Угол камеры")},
        {QStringLiteral("lbName.Caption"), QStringLiteral("Vantrel")},
        {QStringLiteral("lbVersion.Caption"), QStringLiteral("версия")},
        {QStringLiteral("lbContainsLinks.Caption"),
         QStringLiteral("Программа может показывать несколько встроенных в неё ссылок своих "
                        "партнёров. Она не передаёт никаких сведений о пользователе и никогда "
                        "не подключается к Интернету.")},
    }};
    return table;
}

const std::array<CaptionEntry, 3>& addedCaptionTable() {
    static const std::array<CaptionEntry, 3> table = {{
        {QStringLiteral("miCopy.Caption"), QStringLiteral("Копировать")},
        {QStringLiteral("miExportPdf.Caption"), QStringLiteral("Экспорт в PDF…")},
        {QStringLiteral("miPrint.Caption"), QStringLiteral("Печать…")},
    }};
    return table;
}

const std::array<CaptionEntry, 2>& accessibleTextTable() {
    static const std::array<CaptionEntry, 2> table = {{
        {QStringLiteral("tsAbout.tabAccessibleName"), QStringLiteral("О программе")},
        {QStringLiteral("pb.descriptionPattern"),
         QStringLiteral("Поле зрения камеры сбоку и сверху: наклон %1°, ширина %2 на "
                        "расстоянии %3")},
    }};
    return table;
}

} // namespace vantrel
