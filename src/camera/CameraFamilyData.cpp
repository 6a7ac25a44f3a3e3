#include "camera/CameraFamilyData.h"

#include "camera/families/FamilyTables.h"

#include <algorithm>

namespace tamb {

const CameraFamilyData& FamilyData(CameraFamily family)
{
    switch (family) {
    case CameraFamily::Q100:
        return families::Q100Family();
    case CameraFamily::Q220:
        return families::Q220Family();
    case CameraFamily::Q300:
        return families::Q300Family();
    case CameraFamily::Q400:
        return families::Q400Family();
    case CameraFamily::Q420:
        return families::Q420Family();
    case CameraFamily::Generic:
        break;
    }
    return families::GenericFamily();
}

const CameraModelVariant& ModelVariant(const CameraFamilyData& data, ModelId model)
{
    const auto row = std::find_if(data.models.begin(), data.models.end(),
        [model](const CameraModelVariant& variant) { return variant.model == model; });
    return row != data.models.end() ? *row : data.models.front();
}

const ListBinding* FindList(const CameraFamilyData& data, CameraList list)
{
    const auto row = std::find_if(
        data.lists.begin(), data.lists.end(), [list](const ListBinding& binding) { return binding.list == list; });
    return row != data.lists.end() ? &*row : nullptr;
}

const NumberBinding* FindNumber(const CameraFamilyData& data, CameraNumber number)
{
    const auto row = std::find_if(data.numbers.begin(), data.numbers.end(),
        [number](const NumberBinding& binding) { return binding.number == number; });
    return row != data.numbers.end() ? &*row : nullptr;
}

const ListBinding* FindListByControl(const CameraFamilyData& data, int controlId)
{
    const auto row = std::find_if(data.lists.begin(), data.lists.end(),
        [controlId](const ListBinding& binding) { return binding.controlId == controlId; });
    return row != data.lists.end() ? &*row : nullptr;
}

const NumberBinding* FindNumberByControl(const CameraFamilyData& data, int controlId)
{
    const auto row = std::find_if(data.numbers.begin(), data.numbers.end(),
        [controlId](const NumberBinding& binding) { return binding.controlId == controlId; });
    return row != data.numbers.end() ? &*row : nullptr;
}

} // namespace tamb
