// The campaign loader: Load a Campaign's file dialog, reading and checking the campaign file, and
// naming its current map for the map loader.
#pragma once

#include "core/model/map_loader.h"

inline constexpr char kCampaignFileFilter[] = "Campaign Files (*.cmpgn)|*.cmpgn||";

// The work of CChildView::LoadCampaignFile; answers whether the campaign's map file is named
// (g_isMapFileLoaded). A file that is refused changes nothing of the campaign.
bool LoadCampaign(const LoaderContext& context);
