// The zone table's part of Execute: moving zone boundaries onto segment boundaries and checking
// that the zones are complete, within the duct, physically sensible, and join end to start.
#pragma once

namespace flowmar {

class CFlowmarDoc;
struct ExecuteResult;
struct SegmentGrid;

// Moves every zone start and end (all ten rows) to the nearer boundary of the segment that holds
// it; exactly half-way snaps down. Values at or below 0 or beyond the duct are left alone.
void snapZonesToSegments(CFlowmarDoc& doc, const SegmentGrid& grid);

// Sets zoneCount, zoneCountCopy and zoneErrorFlag. The first failed test stops `run` with its
// message and the Duct Details sheet. On success makes zone 1 start at 0 and the last zone end at
// the duct length. Returns true when the zones pass.
bool validateZones(CFlowmarDoc& doc, const SegmentGrid& grid, ExecuteResult& run);

} // namespace flowmar
