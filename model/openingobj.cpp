#include "model/openingobj.h"

#include "model/recordreader.h"
#include "model/recordwriter.h"

void TOpeningobj::DumpFields(std::string& out) const
{
    TPolyobj::DumpFields(out);
    DumpInt(out, "openingParam1", openingParam1);
    DumpInt(out, "openingParam2", openingParam2);
}

void TOpeningobj::WriteRecord(TRecordWriter& out) const
{
    WritePolygonRecord(out);
    out.Int(openingParam1).Int(openingParam2);
    out.EndLine();
    WriteVertices(out);
}

bool TOpeningobj::ReadRecord(TRecordReader& in)
{
    return ReadPolygonRecord(in) && in.Int(openingParam1) && in.Int(openingParam2) && ReadVertices(in);
}
