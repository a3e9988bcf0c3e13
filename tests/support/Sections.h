// The section writers behind WriteBody, one per part of the inflated body.
#pragma once

#include "FieldWriter.h"
#include "SaveWriter.h"

namespace tolvane::testing {

void WriteHeader(FieldWriter& w, const SaveDescription& d);
void WriteGameSection(FieldWriter& w, const SaveDescription& d);
void WriteReplayMessage(FieldWriter& w, const ReplayMessageDesc& m);
void WriteMapSection(FieldWriter& w, const SaveDescription& d, BodyLayout* layout);
void WritePlotRecord(FieldWriter& w, const PlotDesc& p);
void WriteMapListRecord(FieldWriter& w);
void WriteTeamRecord(FieldWriter& w, const TeamDesc& t);
void WritePlayerRecord(FieldWriter& w, const SaveDescription& d, int slot);
void WriteCityRecord(FieldWriter& w, const CityDesc& c, int ownerSlot);
void WriteMessageRecord(FieldWriter& w, const MessageDesc& m);

}  // namespace tolvane::testing
