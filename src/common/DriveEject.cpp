#include "common/DriveEject.h"

#ifdef _WIN32
// windows.h first: the configuration manager's, SetupAPI's and the storage headers use its types; initguid.h makes
// the interface GUIDs that follow it defined here.
// clang-format off
#include <windows.h>
#include <winioctl.h>
#include <initguid.h>
#include <cfgmgr32.h>
#include <setupapi.h>
#include <ntddstor.h>
// clang-format on

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#endif

namespace tamb {

#ifdef _WIN32
namespace {

// The device instance of the volume at a drive root such as "E:\", found through its disk number.
Status EjectThroughConfigurationManager(std::string_view root)
{
    if (root.size() < 2 || root[1] != ':')
        return Status::failure("not a drive letter");
    const std::wstring volumePath = L"\\\\.\\" + std::wstring { static_cast<wchar_t>(root[0]), L':' };
    HANDLE volume
        = CreateFileW(volumePath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (volume == INVALID_HANDLE_VALUE)
        return Status::failure("the volume cannot be opened");
    STORAGE_DEVICE_NUMBER number {};
    DWORD returned = 0;
    const BOOL known = DeviceIoControl(
        volume, IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &number, sizeof number, &returned, nullptr);
    CloseHandle(volume);
    if (!known)
        return Status::failure("the volume's disk is not known");
    // Walk the present disks and eject the one with that number, through the parent device (the card reader's
    // slot or the stick), which is what can be ejected.
    HDEVINFO disks
        = SetupDiGetClassDevsW(&GUID_DEVINTERFACE_DISK, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (disks == INVALID_HANDLE_VALUE)
        return Status::failure("the disks cannot be listed");
    std::optional<Status> outcome;
    SP_DEVICE_INTERFACE_DATA interfaceData {};
    interfaceData.cbSize = sizeof interfaceData;
    for (DWORD index = 0;
         !outcome && SetupDiEnumDeviceInterfaces(disks, nullptr, &GUID_DEVINTERFACE_DISK, index, &interfaceData);
         ++index) {
        DWORD detailSize = 0;
        (void)SetupDiGetDeviceInterfaceDetailW(disks, &interfaceData, nullptr, 0, &detailSize, nullptr);
        if (detailSize < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
            continue;
        std::vector<std::uint8_t> detailBytes(detailSize);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(detailBytes.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        SP_DEVINFO_DATA device {};
        device.cbSize = sizeof device;
        if (!SetupDiGetDeviceInterfaceDetailW(disks, &interfaceData, detail, detailSize, nullptr, &device))
            continue;
        HANDLE disk = CreateFileW(
            detail->DevicePath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (disk == INVALID_HANDLE_VALUE)
            continue;
        STORAGE_DEVICE_NUMBER diskNumber {};
        const BOOL same = DeviceIoControl(disk, IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &diskNumber,
                              sizeof diskNumber, &returned, nullptr)
            && diskNumber.DeviceNumber == number.DeviceNumber;
        CloseHandle(disk);
        if (!same)
            continue;
        DEVINST parent = 0;
        if (CM_Get_Parent(&parent, device.DevInst, 0) != CR_SUCCESS)
            parent = device.DevInst;
        PNP_VETO_TYPE veto = PNP_VetoTypeUnknown;
        std::array<wchar_t, MAX_PATH> vetoName {};
        const bool ejected = CM_Request_Device_EjectW(parent, &veto, vetoName.data(), MAX_PATH, 0) == CR_SUCCESS
            && veto == PNP_VetoTypeUnknown;
        outcome = ejected ? Status::success() : Status::failure("the system refused (a program still uses the card)");
    }
    SetupDiDestroyDeviceInfoList(disks);
    if (outcome)
        return *outcome;
    return Status::failure("the volume's disk is not listed");
}

} // namespace

Status EjectDrive(std::string_view root)
{
    return EjectThroughConfigurationManager(root);
}
#else
Status EjectDrive([[maybe_unused]] std::string_view root)
{
    return Status::failure("only Windows ejects a drive by its letter; eject the card with the system");
}
#endif

} // namespace tamb
