#include "calib/bdfile.h"
#include "fuzzdevice.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what)
{
    fprintf(stderr, "bd reader: %s\n", what);
    abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));

    QBuffer buf;
    buf.setData(input);
    buf.open(QIODevice::ReadOnly);
    BDInfoList list;
    const bool whole = readBDList(&buf, &list);

    SequentialDevice pipe(input);
    BDInfoList fromPipe;
    if (readBDList(&pipe, &fromPipe) != whole || fromPipe.size() != list.size())
        fail("pipe and buffer disagree");

    QByteArray out;
    QBuffer outBuf(&out);
    outBuf.open(QIODevice::WriteOnly);
    writeBDList(&outBuf, list);

    // The records read are exactly the bytes they came from: nothing made
    // up, nothing half-read.
    if (size >= 4) {
        if (input.mid(4, out.size() - 4) != out.mid(4))
            fail("records differ from their bytes");
        if (whole && input.left(4) != out.left(4))
            fail("complete read with a different count");
    } else if (!list.isEmpty() || whole) {
        fail("records from less than a count");
    }
    return 0;
}
