# The standard control classes exist from the start, as on the device: every program that links the
# platform keeps the object that registers them (the linker would drop it otherwise, as nothing calls it).
target_link_options(platform_controls INTERFACE "LINKER:--undefined=qv_standard_controls_at_start")
