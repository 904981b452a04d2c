#include "ui/item_pictures.h"

#include "core/poom_session.h"
#include "platform/files.h"
#include "ui/imaging.h"

HRESULT LoadItemPictureByOid(LONG oid, IPOutlookApp2* app, HBITMAP& bitmap, int size, bool square) {
    if (!app) return E_FAIL;
    PoomPtr<IDispatch> object;
    HRESULT hr = app->GetItemFromOidEx(oid, 0, object.Out());
    if (FAILED(hr)) return hr;
    const PoomPtr<IItem> item = QueryPoom<IItem>(object.Get(), IID_IItem);
    if (!item) return E_FAIL;
    PoomPtr<IStream> stream;
    hr = item->OpenProperty(PIMPR_PICTURE, GENERIC_READ, stream.Out());
    if (FAILED(hr)) return hr;
    DWORD length = 0;
    hr = GetStreamSize(stream.Get(), &length);
    if (FAILED(hr)) return hr;
    if (length == 0) return E_FAIL;
    return DecodeImageToDib(stream.Get(), &bitmap, size, square);
}

HBITMAP LoadCtsPictureByOid(LONG oid, int size) {
    if (oid == -1) return nullptr;
    HBITMAP bitmap = nullptr;
    if (FAILED(LoadItemPictureByOid(oid, GetPoomApp(), bitmap, size, false))) return nullptr;
    return bitmap;
}

HBITMAP LoadCtsPictureBmp(LONG oid, IPOutlookApp2* app, int size, bool square) {
    HBITMAP bitmap = nullptr;
    if (FAILED(LoadItemPictureByOid(oid, app, bitmap, size, square))) return nullptr;
    return bitmap;
}
