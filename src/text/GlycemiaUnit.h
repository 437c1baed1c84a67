#pragma once

// The two units a glycemia is shown in. The diary keeps mg/dL; mmol/L is
// the same value divided by 18.
namespace GlycemiaUnit {

inline float convertmgdLTommoLThisgdl(float mgdl)
{
    return mgdl / 18.0f;
}

} // namespace GlycemiaUnit
