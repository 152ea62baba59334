// The application's use of its data files.
#include "core/application.h"

namespace ruvo {

void Ruvometer::EnsureDatabaseFile() {}
void Ruvometer::SaveTariffs() {}
void Ruvometer::LoadTariffs() {}
void Ruvometer::LoadHolidays() {}
void Ruvometer::RecomputeConsumption() { budgets_.RecomputeConsumption(); }
void Ruvometer::UpdateMonthlyMinutes() {}

}  // namespace ruvo
