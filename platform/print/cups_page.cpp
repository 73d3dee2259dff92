#include "platform/print/cups_page.h"

#include "platform/print/cups_destination.h"

namespace print {
namespace {

// The default resolution in dots an inch. Pages here have one density for both axes, so a printer that
// names none, or one that differs across and down, gets kDefaultPage's.
int DefaultResolution(cups_dest_t* destination, cups_dinfo_t* info) {
    ipp_attribute_t* attribute = cupsFindDestDefault(CUPS_HTTP_DEFAULT, destination, info, "printer-resolution");
    if (!attribute) return kDefaultPage.dpi;
    int down = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    int across = ippGetResolution(attribute, 0, &down, &units);
    if (across <= 0 || across != down) return kDefaultPage.dpi;
    return units == IPP_RES_PER_CM ? across * 254 / 100 : across;
}

// Hundredths of a millimetre at that density.
int DevicePixels(int hundredthsOfMillimetre, int dpi) {
    return int(int64_t(hundredthsOfMillimetre) * dpi / 2540);
}

}  // namespace

std::optional<PageSize> CupsPageSize(const std::string& printer) {
    CupsDestination destination = FindCupsDestination(printer);
    if (!destination) return std::nullopt;
    cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination.get());
    if (!info) return std::nullopt;
    std::optional<PageSize> page;
    cups_size_t media{};
    if (cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, destination.get(), info, CUPS_MEDIA_FLAGS_DEFAULT, &media)) {
        int dpi = DefaultResolution(destination.get(), info);
        PageSize size{DevicePixels(media.width - media.left - media.right, dpi),
                      DevicePixels(media.length - media.top - media.bottom, dpi), dpi};
        if (size.width > 0 && size.height > 0) page = size;
    }
    cupsFreeDestInfo(info);
    return page;
}

}  // namespace print
