#include "ColorSchemes.h"

#include "ByteAccess.h"
#include "Errors.h"
#include "Pars32H.h"

namespace {

int schemeByte(int scheme, int offset) {
    if (scheme < 0 || scheme >= SchemeCount) throw ERangeError();
    return SchemeOffset(scheme) + offset;
}

void checkIndex(int index) {
    if (index < 0 || index >= PaletteColourCount) throw ERangeError();
}

} // namespace

Rgb565 PaletteColour(const TMK& model, int scheme, int index) {
    checkIndex(index);
    return Rgb565(
        bytes::u16le(model.Section(SchemeSection), schemeByte(scheme, PaletteWordOffset(index))));
}

void SetPaletteColour(TMK& model, int scheme, int index, Rgb565 colour) {
    checkIndex(index);
    bytes::setU16le(model.Section(SchemeSection), schemeByte(scheme, PaletteWordOffset(index)),
                    colour.Word());
}

int RolePaletteIndex(const TMK& model, int scheme, TColourRole role) {
    return std::int8_t(model.Section(SchemeSection).at(schemeByte(scheme, int(role))));
}

void SetRolePaletteIndex(TMK& model, int scheme, TColourRole role, int index) {
    checkIndex(index);
    model.Section(SchemeSection)[schemeByte(scheme, int(role))] = char(index);
}

void RestoreDefaultSchemes(TMK& model) {
    QByteArray& s9 = model.Section(SchemeSection);
    s9.replace(SchemeOffset(0), SchemeRecordSize, model.PaletteA);
    s9.replace(SchemeOffset(1), SchemeRecordSize, model.PaletteB);
}
